// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ComputerIdentity.h"

#include "Settings.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QUuid>

namespace ComputerIdentity {

bool isValid(const QString& id)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Za-z0-9_-]{1,64}\\z"));
    return pattern.match(id).hasMatch();
}

QString ensure(Settings& settings, const QByteArray& machineId, const QString& userName)
{
    if (isValid(settings.computerId()))
        return settings.computerId();
    const QByteArray machine = machineId.trimmed();
    static const QRegularExpression hex32(QStringLiteral("\\A[0-9a-fA-F]{32}\\z"));
    QString id;
    if (hex32.match(QString::fromLatin1(machine)).hasMatch()) {
        // An application-specific id, as the machine id's own documentation asks of programs.
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData("app.corvani.Horavane computer\n");
        hash.addData(machine.toLower());
        hash.addData("\n");
        hash.addData(userName.toUtf8());
        id = QString::fromLatin1(hash.result().left(16).toHex());
    } else {
        id = QUuid::createUuid().toString(QUuid::Id128);
    }
    settings.setComputerId(id);
    settings.sync();
    return id;
}

QString name(const Settings& settings, const QString& hostName)
{
    const QString stored = settings.computerName().trimmed();
    return stored.isEmpty() ? hostName : stored;
}

} // namespace ComputerIdentity
