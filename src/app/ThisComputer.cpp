// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ThisComputer.h"

#include "ComputerIdentity.h"
#include "Settings.h"

#include <QFile>
#include <pwd.h>
#include <unistd.h>

void ThisComputer::identify(Settings& settings)
{
    QByteArray machineId;
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly) && !(machineId = file.read(64).trimmed()).isEmpty())
            break;
    }
    const passwd* user = ::getpwuid(::getuid());
    ComputerIdentity::ensure(settings, machineId, user ? QString::fromLocal8Bit(user->pw_name) : QString());
}
