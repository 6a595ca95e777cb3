// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XdgPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString below(QStandardPaths::StandardLocation location, const QString& name)
{
    return QStandardPaths::writableLocation(location) + QLatin1Char('/') + name;
}

} // namespace

QString XdgPlaces::dataFolder() const
{
    return below(QStandardPaths::GenericDataLocation, QStringLiteral("Horavane"));
}

QString XdgPlaces::cacheFolder() const
{
    return below(QStandardPaths::GenericCacheLocation, QStringLiteral("Horavane"));
}

QString XdgPlaces::temporaryFolder() const
{
    return QDir::tempPath();
}

QString XdgPlaces::homeFolder() const
{
    return QDir::homePath();
}

QStringList XdgPlaces::syncFolders() const
{
    // Where the common sync tools put their folder unless told otherwise, the most used first.
    static const char* const names[] = {"Nextcloud", "Sync", "Dropbox", "ownCloud", "Seafile", "pCloudDrive", "MEGA"};
    QStringList folders;
    for (const char* name : names) {
        const QString folder = homeFolder() + QLatin1Char('/') + QLatin1String(name);
        if (QFileInfo(folder).isDir())
            folders.append(folder);
    }
    return folders;
}

QString XdgPlaces::settingsFile() const
{
    return below(QStandardPaths::GenericConfigLocation, QStringLiteral("Horavane/Horavane.conf"));
}
