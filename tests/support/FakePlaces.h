#pragma once

#include "Places.h"

#include <QTemporaryDir>

// Folders inside one temporary home that disappears with the object.
class FakePlaces final : public Places
{
public:
    QString dataFolder() const override { return m_home.path() + QStringLiteral("/data/Horavane"); }
    QString cacheFolder() const override { return m_home.path() + QStringLiteral("/cache/Horavane"); }
    QString temporaryFolder() const override { return m_home.path() + QStringLiteral("/tmp"); }
    QString homeFolder() const override { return m_home.path(); }
    QString cloudDriveRoot() const override
    {
        return m_home.path() + QStringLiteral("/Library/Mobile Documents/com~apple~CloudDocs");
    }

private:
    QTemporaryDir m_home;
};
