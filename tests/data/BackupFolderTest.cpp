// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupFolder.h"
#include "BackupHome.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class BackupFolderTest : public ::testing::Test, protected BackupHome
{
};

} // namespace

struct PruneCase
{
    const char* name;
    QStringList names;
    int keeping;
    QStringList expected;
};

class CopiesToRemove : public ::testing::TestWithParam<PruneCase>
{
};

TEST_P(CopiesToRemove, OldestWellFormedCopiesBeyondTheKept)
{
    EXPECT_EQ(BackupFolder::copiesToRemove(GetParam().names, GetParam().keeping), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopiesToRemove,
    ::testing::Values(PruneCase{"underTheLimit", {"Horavane 2025-03-01.sqlite"}, 7, {}},
                      PruneCase{
                          "oldestFirstWhateverTheOrder",
                          {"Horavane 2025-03-03.sqlite", "Horavane 2024-12-31.sqlite", "Horavane 2025-03-01.sqlite"},
                          1,
                          {"Horavane 2024-12-31.sqlite", "Horavane 2025-03-01.sqlite"}},
                      PruneCase{"foreignNamesDoNotCount",
                                {"Horavane 2025-03-01.sqlite", "x.sqlite", "Horavane 2025-03-02.sqlite ",
                                 " Horavane 2025-03-00.sqlite", "Horavane 2025-03-02.sqlite"},
                                1,
                                {"Horavane 2025-03-01.sqlite"}},
                      PruneCase{"keepingNone", {"Horavane 2025-03-01.sqlite"}, 0, {"Horavane 2025-03-01.sqlite"}}),
    [](const ::testing::TestParamInfo<PruneCase>& info) { return std::string(info.param.name); });

TEST_F(BackupFolderTest, CopiesListsEveryComputersCopiesThisOneFirst)
{
    const QString sync = places.syncFolder();
    EXPECT_TRUE(BackupFolder::copies(sync, "this-computer").isEmpty()); // no folder yet
    const QString root = sync + "/Horavane/";
    for (const char* computer : {"this-computer", "aa-old", "zz-new", "not a computer's id"})
        QDir().mkpath(root + computer);
    for (const char* name :
         {"Horavane 2025-02-28.sqlite", "Horavane 2025-03-01.sqlite", "notes.txt", "Horavane 2025-3-02.sqlite",
          "Horavane 2025-03-02.sqlite.tmp", "Horavane 2025-03-03.sync-conflict-20250303-101010-ABCDEFG.sqlite"})
        touch(folder() + "/" + name);
    touch(root + "aa-old/Horavane 2024-01-01.sqlite");
    touch(root + "aa-old/Computer name.txt", "Old Laptop\n");
    touch(root + "zz-new/Horavane 2025-03-04.sqlite");
    touch(root + "zz-new/Computer name.txt", "Desk\x01top"); // a control character goes
    touch(root + "not a computer's id/Horavane 2025-03-04.sqlite");
    touch(root + "Horavane 2025-03-04.sqlite"); // loose in the root: no computer's

    using Copy = BackupFolder::Copy;
    EXPECT_EQ(BackupFolder::copies(sync, "this-computer"),
              QList<Copy>({Copy{copyOf("2025-03-01"), "2025-03-01", "this-computer", "this-computer"},
                           Copy{copyOf("2025-02-28"), "2025-02-28", "this-computer", "this-computer"},
                           Copy{root + "zz-new/Horavane 2025-03-04.sqlite", "2025-03-04", "zz-new", "Desktop"},
                           Copy{root + "aa-old/Horavane 2024-01-01.sqlite", "2024-01-01", "aa-old", "Old Laptop"}}));
}

TEST_F(BackupFolderTest, FetchMakesAPrivateLocalCopy)
{
    QDir().mkpath(folder());
    touch(copyOf("2025-03-01"), "database bytes");
    const std::optional<QString> local =
        BackupFolder::fetch({copyOf("2025-03-01"), "2025-03-01", {}, {}}, places.temporaryFolder());
    ASSERT_TRUE(local);
    QFile file(*local);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "database bytes");
    EXPECT_EQ(QFileInfo(*local).fileName().left(17), "horavane-restore-");
    EXPECT_EQ(file.permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
}

TEST_F(BackupFolderTest, FetchOfAVanishedCopyGivesNothingAndLeavesNothing)
{
    EXPECT_FALSE(BackupFolder::fetch({copyOf("2025-03-01"), "2025-03-01", {}, {}}, places.temporaryFolder()));
    EXPECT_TRUE(namesIn(places.temporaryFolder()).isEmpty());
}
