// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

// An item of the desktop's panel that shows icons drawn for it and, where the panel supports it, a
// short text beside them and a menu. The tray item uses it while a panel shows it, and a plain tray icon
// otherwise.
class StatusItem : public QObject
{
    Q_OBJECT
public:
    // One size of the icon: ARGB32 pixels, each in network byte order, row by row.
    struct Pixmap
    {
        int width = 0;
        int height = 0;
        QByteArray argb;
        bool operator==(const Pixmap&) const = default;
    };

    using QObject::QObject;

    // The icon at every size the panel may ask for; it picks the size it draws at.
    virtual void setIcons(const QList<Pixmap>& pixmaps) = 0;
    // The text beside the icon; empty for none.
    virtual void setLabel(const QString& label) = 0;
    virtual void setToolTip(const QString& title, const QString& text) = 0;
    // The commands of the item's menu, in order; an empty title stands for a separator.
    virtual void setMenu(const QStringList& titles) = 0;

    // Whether a panel shows the item now.
    virtual bool isShown() const = 0;
    // Whether the panel that shows it is known to be dark, whatever the desktop's theme.
    virtual bool panelIsDark() const = 0;

signals:
    // The item was clicked at that point of the screen (0, 0 when the panel does not say).
    void activated(const QPoint& at);
    // The command at that index of the menu was chosen.
    void menuChosen(int index);
    // A panel started or stopped showing the item, or another panel took it over.
    void hostChanged();
};
