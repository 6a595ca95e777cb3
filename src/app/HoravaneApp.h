// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Backup.h"
#include "BackupComputers.h"
#include "BackupController.h"
#include "BrowserAccess.h"
#include "GnomeGuide.h"
#include "Icons.h"
#include "LinuxAppIcons.h"
#include "Tracker.h"
#include "UpdateChecker.h"
#include "XdgAutostart.h"

#include <QDBusConnection>
#include <QObject>
#include <memory>

class BreakReminder;
class DesktopNotifier;
class DesktopPanelTone;
class LimitWatch;
class OtherComputersToday;
class LinuxPlatform;
class PopoverView;
class PopupWindow;
class Settings;
class StatusNotifierItem;
class TrayItem;
class WelcomeView;
class QWidget;

// The running program: the one tracker and icon cache, the tray item with its popover, and the
// history, welcome and settings windows, each made when first asked for.
class HoravaneApp : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.corvani.Horavane")
public:
    // The running program's name on the session bus, through which a second start opens its history window.
    static const QString busName;

    // Opens the history file itself, and keeps trying while it will not open.
    HoravaneApp(LinuxPlatform& desktop, Settings& settings, QObject* parent = nullptr);
    ~HoravaneApp() override;

    Tracker& tracker() { return m_tracker; }
    Icons& icons() { return m_icons; }

    void showPopover(const QRect& anchor);
    // Opens the popover where the tray item is not known, as a notice's "Show Today" asks.
    void showToday();

public slots:
    Q_SCRIPTABLE void showHistory();

public:
    void showWelcome();
    void showSettings();

private:
    bool panelDrawsTime() const;
    void makePopover();
    // Notices of daily limits and breaks, through the desktop's notification server.
    void startNotices(QDBusConnection bus);
    // A top-level window around content, counted while shown and made once.
    QWidget* window(std::unique_ptr<QWidget>& slot, const QString& title, QWidget* content, const QSize& size);
    // What the user must know or do about the desktop, in the popover and the welcome window.
    void showDesktopNotice();
    // On Wayland the popover cannot place itself: KWin's script or sway's IPC puts it by the tray item.
    void placePopupByCompositor();

    LinuxPlatform& m_desktop;
    Settings& m_settings;
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
    std::unique_ptr<DesktopPanelTone> m_panelTone;
    std::unique_ptr<TrayItem> m_tray;
    std::unique_ptr<DesktopNotifier> m_notifier;
    std::unique_ptr<LimitWatch> m_limitWatch;
    std::unique_ptr<BreakReminder> m_breakReminder;
    std::unique_ptr<OtherComputersToday> m_otherComputersToday;
    PopoverView* m_popover = nullptr;
    std::unique_ptr<PopupWindow> m_popup;
    std::unique_ptr<QObject> m_popupPlacement; // on Wayland, where KWin or sway can place it
    std::unique_ptr<QWidget> m_history;
    std::unique_ptr<QWidget> m_welcome;
    WelcomeView* m_welcomeView = nullptr;
    std::unique_ptr<QWidget> m_settingsWindow;
};
