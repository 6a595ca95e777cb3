// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StatusItem.h"

#include <QDBusConnection>

class DBusMenu;
class QTimer;

// The tray item as a StatusNotifierItem over D-Bus, as Plasma, the AppIndicator extension of GNOME,
// Xfce's and most other panels show it: icons at every size for the panel to choose from, the label
// beside them that AppIndicator hosts draw (XAyatanaLabel), and a menu. It is on the bus from the start and
// registers with a host whenever one appears, again when one restarts: Horavane's own GNOME Shell extension
// (its top-bar button) in preference to the session's StatusNotifierWatcher. So that one item shows, it then
// leaves the watcher and tells every other host that it is passive.
class StatusNotifierItem final : public StatusItem
{
    Q_OBJECT
public:
    enum class Host
    {
        none,
        watcher, // org.kde.StatusNotifierWatcher
        topBar,  // Horavane's GNOME Shell extension
    };

    StatusNotifierItem(const QDBusConnection& bus, QString id, QString title, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    void setIcons(const QList<Pixmap>& pixmaps) override;
    void setLabel(const QString& label) override;
    void setToolTip(const QString& title, const QString& text) override;
    void setMenu(const QStringList& titles) override;
    bool isShown() const override { return m_host != Host::none; }
    bool panelIsDark() const override { return m_host == Host::topBar; } // GNOME's top bar is always dark

    Host host() const { return m_host; }
    // The D-Bus name the item is known by now; a new one each time it leaves a watcher for the top bar.
    QString serviceName() const { return m_service; }

    // What the interface's properties read.
    QString id() const { return m_id; }
    QString title() const { return m_title; }
    const QList<Pixmap>& icons() const { return m_icons; }
    const QString& label() const { return m_label; }
    const QString& toolTipTitle() const { return m_toolTipTitle; }
    const QString& toolTipText() const { return m_toolTipText; }

    // Called by the interface.
    void activate(int x, int y);

signals:
    void iconsChanged();
    void labelChanged(const QString& label);
    void toolTipChanged();

private:
    // Registers with the best host on the bus now, or notes that none runs.
    void findHost();
    bool registerWith(const QString& service, const QString& path, const QString& interface);
    // Registers with the top bar; an item leaving a watcher does so under a new name, since a watcher forgets an
    // item only when its name leaves the bus (and its panel then stops showing it). False when the top bar refused.
    bool moveToTopBar(bool leavesWatcher);
    static QString newName();

    QDBusConnection m_bus;
    QString m_service;
    QString m_id;
    QString m_title;
    QList<Pixmap> m_icons;
    QString m_label;
    QString m_toolTipTitle;
    QString m_toolTipText;
    DBusMenu* m_menu;
    QTimer* m_topBarRetry;
    int m_topBarRetryMs = 0;
    Host m_host = Host::none;
};
