// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

// The desktop's notifications: a short message in the corner of the screen, with one action. The desktop
// decides whether and how it shows it (a do-not-disturb mode holds it back), so nothing waits for it.
class Notifier : public QObject
{
    Q_OBJECT
public:
    struct Notice
    {
        QString title;
        QString body;   // plain text
        QString action; // the title of its one action; empty for none
        bool operator==(const Notice&) const = default;
    };

    using QObject::QObject;

    virtual void show(const Notice& notice) = 0;

signals:
    // The user chose the action of a notice shown by this notifier (or clicked the notice itself).
    void actionChosen();
};
