// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupFolder.h"
#include "CSV.h"
#include "DamagedHistory.h"
#include "FakeClock.h"
#include "FakePlaces.h"
#include "FaviconCache.h"
#include "HistoryFile.h"
#include "Icons.h"
#include "Store.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

unsigned mode(const QString& path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 01000; // missing: never a mode a test expects
    return info.st_mode & 0777;
}

// The umask of a test, restored afterwards.
struct Umask
{
    explicit Umask(mode_t mask) : previous(::umask(mask)) {}
    ~Umask() { ::umask(previous); }
    mode_t previous;
};

} // namespace

TEST(PrivateFiles, EverythingCreatedIsTheUsersAloneWhateverTheUmask)
{
    for (const mode_t mask : {mode_t(022), mode_t(000)}) {
        SCOPED_TRACE(mask);
        const Umask permissive(mask);
        FakePlaces places;
        FakeClock clock;
        const QString history = places.databasePath();
        auto store = Store::open(history);
        ASSERT_TRUE(store);
        store->add({UsageRow{"2025-03-05", ItemKey{ItemKind::site, "example.com"}, "example.com", 60}});

        const QString backupCopy = places.homeFolder() + "/copy.sqlite";
        Store::open(backupCopy);
        ASSERT_TRUE(store->replaceHistory(backupCopy));

        const QString exported = places.homeFolder() + "/export.csv";
        ASSERT_FALSE(CSV::save(store.get(), exported));

        const FaviconCache cache(Icons::cacheDirectory(places));
        ASSERT_TRUE(cache.write("example.com", "png"));

        const QString syncFolder = places.homeFolder() + "/Sync";
        QDir().mkpath(syncFolder);
        const QString temp = places.homeFolder() + "/backup.sqlite";
        Store::open(temp);
        const BackupFolder::Destination destination{syncFolder, "desk-id", "Desk"};
        ASSERT_FALSE(BackupFolder::place(temp, "Horavane 2025-03-05.sqlite", destination));
        const QList<BackupFolder::Copy> copies = BackupFolder::copies(syncFolder, "desk-id");
        ASSERT_EQ(copies.size(), 1);
        const std::optional<QString> fetched = BackupFolder::fetch(copies.first(), places.temporaryFolder());
        ASSERT_TRUE(fetched);

        store.reset();
        DamagedHistory::overwriteWhole(history);
        HistoryFile file(history, clock);
        ASSERT_TRUE(file.open());

        const struct
        {
            const char* name;
            QString path;
            unsigned mode;
        } created[] = {
            {"data folder", places.dataFolder(), 0700},
            {"history", history, 0600},
            {"copy before a restore", places.dataFolder() + "/usage-before-restore.sqlite", 0600},
            {"damaged history moved aside", file.movedTo(), 0600},
            {"export", exported, 0600},
            {"favicon folder", Icons::cacheDirectory(places), 0700},
            {"cache folder above it", places.cacheFolder(), 0700},
            {"favicon", FaviconCache(Icons::cacheDirectory(places)).filePath("example.com"), 0600},
            {"backup folder", QFileInfo(copies.first().path).path(), 0700},
            {"backup", copies.first().path, 0600},
            {"restore copy", *fetched, 0600},
            {"temporary folder", places.temporaryFolder(), 0700},
        };
        for (const auto& c : created)
            EXPECT_EQ(mode(c.path), c.mode) << c.name;
    }
}
