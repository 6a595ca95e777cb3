// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryFileNotice.h"
#include "DamagedHistory.h"
#include "FakePlatform.h"
#include "Settings.h"
#include "Tracker.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HistoryFileNotice, SaysWhenTimeIsOnlyInMemoryAndWhereADamagedFileWent)
{
    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings(configDir.filePath("Horavane.conf"));
    const QString history = fake.places.databasePath();
    QDir().mkpath(history); // a folder where the file should be: it cannot open
    Tracker tracker(Tracker::Sampling::live, fake.platform(), settings);
    tracker.keepOpening(HistoryFile(history, fake.clock));
    HistoryFileNotice notice(tracker);
    EXPECT_FALSE(notice.isHidden());
    EXPECT_TRUE(notice.label()->text().contains("kept in memory"));
    EXPECT_EQ(notice.label()->textFormat(), Qt::PlainText);

    QDir().rmdir(history);
    Store::open(history);
    DamagedHistory::overwriteWhole(history);
    tracker.flush(); // the next write opens it, finds it damaged, and starts afresh
    EXPECT_FALSE(tracker.keepsTimeInMemoryOnly());
    EXPECT_TRUE(notice.label()->text().contains(tracker.damagedHistoryCopy()));
    EXPECT_FALSE(tracker.damagedHistoryCopy().isEmpty());
}
