// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

// A flat menu of commands on the bus as com.canonical.dbusmenu, the menu that StatusNotifierItem hosts
// show for an item: Plasma, Xfce, the AppIndicator extension and Horavane's own GNOME top-bar button.
class DBusMenu final : public QObject
{
    Q_OBJECT
public:
    // Where the menu is on the bus.
    static const QString path;

    // Registers the menu on the bus for as long as it lives.
    DBusMenu(const QDBusConnection& bus, QObject* parent = nullptr);
    ~DBusMenu() override;

    // The commands in order; an empty title stands for a separator. Hosts are told when they change.
    void setTitles(const QStringList& titles);
    const QStringList& titles() const { return m_titles; }
    uint revision() const { return m_revision; }

    // Called by the interface: a host's click on the entry with that id (entries count from 1).
    void click(int id);

signals:
    // The command at that index was chosen.
    void chosen(int index);
    void layoutChanged();

private:
    QDBusConnection m_bus;
    QStringList m_titles;
    uint m_revision = 1;
};
