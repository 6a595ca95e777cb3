// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TrayIcon.h"

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>
#include <memory>

class PanelTone;
class QMenu;
class Settings;
class StatusItem;
class Tracker;

// Today's ring in the panel, inked for the panel and drawn at every size a tray asks for, with today's
// time as a label beside it where the panel shows one, and in the tooltip. It lives in the desktop's
// status item while a panel shows that, else (on X11) in an XEmbed tray icon; never in both. A click asks
// for the popover, the item's menu for the history, the settings or the end; the images are redrawn only
// when what they show changes.
class TrayItem : public QObject
{
    Q_OBJECT
public:
    // The pixel sizes trays ask for: 16 to 24 on most panels, 32 and 48 on large or scaled ones.
    static constexpr int sizes[] = {16, 22, 24, 32, 48};

    // item: the desktop's status item, or null for a plain tray icon only. panel: what the desktop tells of the
    // panel's tone, or null when it tells nothing.
    TrayItem(const Tracker& tracker, const Settings& settings, StatusItem* item = nullptr,
             const PanelTone* panel = nullptr, QObject* parent = nullptr);
    ~TrayItem() override;

    // Where the item is on screen; empty when the tray does not say.
    QRect geometry() const;
    // The ring shown now, at the screen's pixel ratio.
    const QImage& image() const { return m_image; }
    QIcon icon() const { return m_rings; }
    QString toolTip() const { return m_toolTip; }
    // The text beside the ring; empty when the time is not shown.
    QString label() const { return m_label; }

signals:
    void clicked(const QRect& anchor);
    void historyRequested();
    void settingsRequested();
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw();
    // Shows the XEmbed icon on X11 while no panel shows the status item, and drops it when one does.
    void chooseFallback();

    const Tracker& m_tracker;
    const Settings& m_settings;
    StatusItem* m_item;
    const PanelTone* m_panel;
    std::unique_ptr<QMenu> m_menu; // the status item's, and the XEmbed icon's on a right click
    std::unique_ptr<QSystemTrayIcon> m_icon;
    bool m_saidNoTray = false;
    QIcon m_rings;
    QImage m_image;
    TrayIcon::ImageCache m_ringCache; // its own, so the settings preview never evicts it
    QString m_toolTip;
    QString m_label;
};
