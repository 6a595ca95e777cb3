// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserProbe.h"
#include "Workspace.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QPushButton;

// One running browser in the welcome window: its icon and name, and where its permission stands, with
// the button that moves it on when the user can.
class BrowserRow : public QWidget
{
    Q_OBJECT
public:
    static constexpr qreal iconSide = 18;

    // A null icon is left out.
    BrowserRow(const RunningApp& app, const QImage& icon, QWidget* parent = nullptr);

    const RunningApp& app() const { return m_app; }
    BrowserProbe::Access access() const { return m_access; }
    void setAccess(BrowserProbe::Access access);

    // The name shown: the application's, or "Browser" when it has none.
    static QString displayName(const RunningApp& app);
    // The words the row shows for a state, on its button or beside it.
    static QString stateText(BrowserProbe::Access access);

    QLabel* iconLabel() const { return m_icon; }
    QLabel* nameLabel() const { return m_name; }
    QPushButton* button() const { return m_button; }
    QLabel* waitingLabel() const { return m_waiting; }
    QWidget* allowedLabel() const { return m_allowed; }

signals:
    void allowRequested(const RunningApp& app);
    void settingsRequested(const RunningApp& app);

private:
    void paintAllowedSymbol();

    RunningApp m_app;
    BrowserProbe::Access m_access = BrowserProbe::Access::notAsked;
    QLabel* m_icon = nullptr;
    QLabel* m_name = nullptr;
    QPushButton* m_button = nullptr;
    QLabel* m_waiting = nullptr;
    QWidget* m_allowed = nullptr;
    QLabel* m_allowedSymbol = nullptr;
};
