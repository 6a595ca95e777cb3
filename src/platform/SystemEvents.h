// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Moments when recorded time must be written at once. Receivers run synchronously: the machine
// does not go to sleep and the process does not end before every slot has returned.
class SystemEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SystemEvents() override = default;

signals:
    void willSleep();
    void willTerminate();
};
