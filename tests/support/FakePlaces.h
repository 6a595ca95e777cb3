// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Places.h"

#include <QFileInfo>
#include <QTemporaryDir>

// Folders inside one temporary home that disappears with the object.
class FakePlaces final : public Places
{
public:
    QString dataFolder() const override { return m_home.path() + QStringLiteral("/data/Horavane"); }
    QString cacheFolder() const override { return m_home.path() + QStringLiteral("/cache/Horavane"); }
    QString temporaryFolder() const override { return m_home.path() + QStringLiteral("/tmp"); }
    QString homeFolder() const override { return m_home.path(); }
    // The folder a test chooses as the backup folder (not made until a test makes it).
    QString syncFolder() const { return m_home.path() + QStringLiteral("/Nextcloud"); }
    QStringList syncFolders() const override
    {
        return QFileInfo(syncFolder()).isDir() ? QStringList{syncFolder()} : QStringList();
    }

private:
    QTemporaryDir m_home;
};
