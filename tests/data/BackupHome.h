// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Places.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A home whose folders a test may move, e.g. to another file system or below an apostrophe.
class TestPlaces final : public Places
{
public:
    explicit TestPlaces(const QString& home) : home(home), temporary(home + "/tmp") {}
    QString dataFolder() const override { return home + "/data/Horavane"; }
    QString cacheFolder() const override { return home + "/cache/Horavane"; }
    QString temporaryFolder() const override { return temporary; }
    QString homeFolder() const override { return home; }
    QString syncFolder() const { return home + "/Sync"; }

    QString home;
    QString temporary;
};

// A temporary home with a sync folder, where this computer's copies go below "this-computer".
struct BackupHome
{
    BackupHome() { QDir().mkpath(places.syncFolder()); }

    QString folder() const { return places.syncFolder() + "/Horavane/this-computer"; }
    QString copyOf(const char* day) const { return folder() + "/Horavane " + day + ".sqlite"; }

    QTemporaryDir home;
    TestPlaces places{home.path()};
};

inline QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

inline void touch(const QString& path, const QByteArray& content = "x")
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}
