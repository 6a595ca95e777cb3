// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Backup.h"
#include "BackupComputers.h"
#include "BackupController.h"
#include "Icons.h"
#include "LinuxAppIcons.h"
#include "Tracker.h"
#include "UpdateChecker.h"
#include "XdgAutostart.h"

#include <QObject>
#include <memory>

class BrowserAccess;
class GnomeGuide;
class HoravaneWindows;
class LinuxPlatform;
class Notices;
class PanelTone;
class PopupPlacement;
class RunningInstance;
class Settings;
class StatusNotifierItem;
class TrayItem;

// The running program: the one tracker and icon cache, wired to the tray item, the windows, the notices and
// the desktop.
class HoravaneApp final : public QObject
{
    Q_OBJECT
public:
    // Opens the history file itself, and keeps trying while it will not open.
    HoravaneApp(LinuxPlatform& desktop, Settings& settings, QObject* parent = nullptr);
    ~HoravaneApp() override;

    void showHistory();

private:
    void showDesktopNotice();

    LinuxPlatform& m_desktop;
    Backup m_backup;
    BackupComputers m_otherComputers;
    Tracker m_tracker;
    BackupController m_backupController;
    LinuxAppIcons m_appIcons;
    Icons m_icons;
    UpdateChecker m_updates;
    XdgAutostart m_loginItem;
    std::unique_ptr<BrowserAccess> m_browserAccess;
    std::unique_ptr<GnomeGuide> m_gnomeGuide;         // on GNOME
    std::unique_ptr<StatusNotifierItem> m_statusItem; // the panels' item, on a session bus
    std::unique_ptr<PanelTone> m_panelTone;
    std::unique_ptr<TrayItem> m_tray;
    std::unique_ptr<HoravaneWindows> m_windows;
    std::unique_ptr<PopupPlacement> m_popoverPlacement;
    std::unique_ptr<Notices> m_notices;
    std::unique_ptr<RunningInstance> m_instance;
};
