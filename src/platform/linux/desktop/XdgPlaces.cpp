#include "XdgPlaces.h"

#include <QDir>
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

QString XdgPlaces::cloudDriveRoot() const
{
    return homeFolder() + QStringLiteral("/Library/Mobile Documents/com~apple~CloudDocs");
}

QString XdgPlaces::settingsFile() const
{
    return below(QStandardPaths::GenericConfigLocation, QStringLiteral("Horavane/Horavane.conf"));
}
