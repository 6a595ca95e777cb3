// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class BackupComputers;
class BackupController;
class BrowserAccess;
class Icons;
class PopoverView;
class PopupPlacement;
class PopupWindow;
class Settings;
class Tracker;
class UpdateChecker;
class WelcomeView;
class XdgAutostart;
class XdgPlaces;
class QRect;
class QSize;
class QWidget;

// The program's windows: the popover at the tray item, and the history, welcome and settings windows, each made
// when first asked for and counted for the program's presence while shown.
class HoravaneWindows final : public QObject
{
    Q_OBJECT
public:
    // What the windows show and change.
    struct Parts
    {
        Tracker& tracker;
        Icons& icons;
        Settings& settings;
        UpdateChecker& updates;
        BackupController& backupController;
        XdgAutostart& loginItem;
        BrowserAccess& browserAccess;
        BackupComputers& otherComputers;
        const XdgPlaces& places;
        std::function<QList<RunningApp>()> runningApplications;
        bool panelDrawsTime;
    };

    explicit HoravaneWindows(Parts parts, QObject* parent = nullptr);
    ~HoravaneWindows() override;

    // The popover's title, by which the compositor's placement finds it.
    static QString popoverTitle();
    // Where the popover's top left corner belongs now.
    QPoint popoverPosition() const;
    // Moves the popover to the tray item where it cannot place itself; kept by the caller.
    void setPopoverPlacement(PopupPlacement* placement) { m_placement = placement; }
    // What the user must know or do about the desktop, in the popover and the welcome window.
    void setDesktopNotice(const QString& text, const QString& button);

    // Opens the popover at the tray item, or closes it when open.
    void togglePopover(const QRect& anchor);
    // Opens the popover where the tray item is not known, as a notice's "Show Today" asks.
    void showToday();
    void showHistory();
    void showWelcome();
    void showSettings();

signals:
    // The desktop notice's button was pressed.
    void desktopNoticeButtonClicked();

private:
    void makePopover();
    // A top-level window around content, counted while shown and made once.
    QWidget* window(std::unique_ptr<QWidget>& slot, const QString& title, QWidget* content, const QSize& size);
    void bringUp(QWidget* window);

    Parts m_parts;
    PopupPlacement* m_placement = nullptr;
    QString m_noticeText;
    QString m_noticeButton;
    PopoverView* m_popover = nullptr;
    std::unique_ptr<PopupWindow> m_popup;
    std::unique_ptr<QWidget> m_history;
    std::unique_ptr<QWidget> m_welcome;
    WelcomeView* m_welcomeView = nullptr;
    std::unique_ptr<QWidget> m_settingsWindow;
};
