// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>

// The running program on the session bus, through which a second start opens its history window.
class RunningInstance final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.corvani.Horavane")
public:
    // The running program's name on the session bus, also the notices' desktop entry.
    static const QString busName;

    // Takes the name on the bus, unless the bus is not there.
    explicit RunningInstance(QDBusConnection bus, QObject* parent = nullptr);
    // Asks the program already running to open its history window; false when none answers.
    static bool showHistoryOfRunning(QDBusConnection bus);

public slots:
    Q_SCRIPTABLE void showHistory() { emit historyRequested(); }

signals:
    void historyRequested();
};
