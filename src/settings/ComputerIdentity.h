// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class Settings;

// Who this computer is in a backup folder that several computers share: a lasting id that names its
// subfolder, and the name the others list its copies under.
namespace ComputerIdentity {

// Letters, digits, '-' and '_', at most 64: safe as one folder name on any file system.
bool isValid(const QString& id);

// The stored "computerId", made once when it is missing or malformed: from the machine's id where there
// is one, else random. The machine's id is hashed with the account's name, so the raw id never reaches
// a synced folder and two accounts on one computer never write into each other's folder.
QString ensure(Settings& settings, const QByteArray& machineId, const QString& userName);

// The stored "computerName", or the host name when none is stored.
QString name(const Settings& settings, const QString& hostName);

} // namespace ComputerIdentity
