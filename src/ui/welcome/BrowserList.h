// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserPermission.h"
#include "BrowserProbe.h"
#include "Workspace.h"

#include <QList>
#include <QWidget>
#include <optional>

class BrowserRow;
class Icons;
class QVBoxLayout;

// The running browsers of the welcome window, one row each, with where their permission stands.
class BrowserList : public QWidget
{
    Q_OBJECT
public:
    struct Entry
    {
        RunningApp app;
        BrowserProbe::Access access = BrowserProbe::Access::notAsked;
    };

    explicit BrowserList(Icons& icons, QWidget* parent = nullptr);

    // The known browsers among the running applications, each identifier once (the first seen), sorted by
    // name; applications without an identifier are no browsers.
    static QList<RunningApp> browsers(const QList<RunningApp>& running);
    // The permission that lets the browser be asked; none for an application that is no known browser.
    static std::optional<BrowserPermission> permission(const RunningApp& app);

    // Shows the entries in order. Rows are kept while the same browsers run, so a refresh changes only the
    // states that changed; true when anything shown changed (a row's height may have).
    bool setEntries(const QList<Entry>& entries);
    QList<BrowserRow*> rows() const { return m_rows; }

signals:
    void allowRequested(const RunningApp& app);
    void settingsRequested(const RunningApp& app);

private:
    Icons& m_icons;
    QVBoxLayout* m_layout = nullptr;
    QList<BrowserRow*> m_rows;
};
