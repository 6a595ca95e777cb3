// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UsageItem.h"

#include <QMenu>

class QActionGroup;
class Settings;

// The popover's menu of preferences and commands, behind its ellipsis button. The toggles and the colour
// count follow the settings both ways; the commands are left to the owner. "Don’t Track" lists the
// popover's items, so an item can be excluded without pointing at its row.
class OptionsMenu : public QMenu
{
    Q_OBJECT
public:
    static constexpr int fewestColors = 3;
    static constexpr int mostColors = 8;

    explicit OptionsMenu(Settings& settings, QWidget* parent = nullptr);

    // Shows the login item's real state without announcing it.
    void setOpensAtLogin(bool on);
    // The items "Don’t Track" offers, one entry each; it hides while there are none.
    void setExcludable(const QList<UsageItem>& items);

    QAction* showsTimeInTray() const { return m_showsTime; }
    QAction* opensAtLogin() const { return m_opensAtLogin; }
    QMenu* colouredSlices() const { return m_colours; }
    QMenu* dontTrack() const { return m_dontTrack; }
    QAction* checkForUpdates() const { return m_checkForUpdates; }
    QAction* settingsAction() const { return m_settings; }
    QAction* quit() const { return m_quit; }

signals:
    void openAtLoginToggled(bool on);
    void updateCheckRequested();
    void settingsRequested();
    void quitRequested();
    void excludeRequested(const UsageItem& item);

private:
    void showColorCount(int stored);

    QAction* m_showsTime = nullptr;
    QAction* m_opensAtLogin = nullptr;
    QMenu* m_colours = nullptr;
    QActionGroup* m_colourChoices = nullptr;
    QMenu* m_dontTrack = nullptr;
    QAction* m_checkForUpdates = nullptr;
    QAction* m_settings = nullptr;
    QAction* m_quit = nullptr;
};
