// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class SettingsDataTest : public ::testing::Test, protected SettingsFixture
{
protected:
    // A real backup copy of the given day, a history database of its own holding today's rows.
    QString writeCopy(const QString& day, const QList<std::pair<QString, double>>& usage,
                      const QString& computer = QStringLiteral("this-computer"))
    {
        QDir().mkpath(backupFolder(computer));
        const QString path = backupFolder(computer) + QStringLiteral("/Horavane ") + day + QStringLiteral(".sqlite");
        std::unique_ptr<Store> store = Store::open(path);
        QList<UsageRow> rows;
        for (const auto& [name, seconds] : usage)
            rows.append(UsageRow{today(), key(name), name, seconds});
        store->add(rows);
        return path;
    }
    QString writeFile(const QString& day, const QByteArray& bytes)
    {
        QDir().mkpath(backupFolder());
        const QString path = backupFolder() + QStringLiteral("/Horavane ") + day + QStringLiteral(".sqlite");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (const QAction* action : view->dataTab()->restoreMenu()->actions())
            titles.append(action->text());
        return titles;
    }
    // Leftovers of fetched copies in the temporary folder.
    QStringList fetchedFiles() const
    {
        return QDir(fake.places.temporaryFolder()).entryList({QStringLiteral("horavane-restore-*")}, QDir::Files);
    }
    QString exportPath() const { return configDir.filePath(DataTab::proposedFileName); }
    void chooseFile(std::optional<QString> path)
    {
        view->dataTab()->setFileChooser([this, path](QWidget*, const QString& proposed) {
            proposedNames.append(proposed);
            return path;
        });
    }

    QStringList proposedNames;
};

TEST_F(SettingsDataTest, WithoutCopiesTheRestoreMenuCannotBeOpened)
{
    DataTab& tab = *shown().dataTab();
    QSignalSpy listed(&tab, &DataTab::copiesChanged);
    QTRY_VERIFY(!listed.isEmpty());
    EXPECT_EQ(tab.restoreButton()->text(), QStringLiteral("No Backups Yet"));
    EXPECT_FALSE(tab.restoreButton()->isEnabled());
}

TEST_F(SettingsDataTest, CopiesAreListedNewestFirstUnderTheirDates)
{
    writeCopy("2025-03-02", {{"Editor", 60}});
    writeCopy("2025-03-04", {{"Editor", 60}});
    writeFile("2025-03-03", "text");
    writeFile("notes", "not a copy");
    DataTab& tab = *shown().dataTab();
    QTRY_COMPARE(tab.copies().size(), 3);
    EXPECT_EQ(tab.restoreButton()->text(), QStringLiteral("Choose a Backup"));
    EXPECT_TRUE(tab.restoreButton()->isEnabled());
    EXPECT_EQ(menuTitles(), (QStringList{"March 4, 2025", "March 3, 2025", "March 2, 2025"}));
    EXPECT_EQ(DataTab::title(BackupFolder::Copy{"x", "backup-7", {}, {}}), QStringLiteral("backup-7"));
}

TEST_F(SettingsDataTest, EveryComputersCopiesAreListedUnderItsName)
{
    start({{"Editor", 600}});
    writeCopy("2025-03-04", {{"Editor", 60}});
    writeCopy("2024-01-01", {{"Terminal", 1200}}, "old-laptop");
    QFile name(backupFolder("old-laptop") + "/Computer name.txt");
    ASSERT_TRUE(name.open(QIODevice::WriteOnly));
    name.write("Old Laptop\n");
    name.close();
    DataTab& tab = *shown().dataTab();
    QTRY_COMPARE(tab.copies().size(), 2);
    EXPECT_EQ(menuTitles(), (QStringList{"This Computer", "March 4, 2025", "Old Laptop", "January 1, 2024"}));

    // A new computer takes over an old one's history.
    tab.setCopyToRestore(tab.copies().constLast());
    EXPECT_EQ(tab.alert()->informativeText(),
              QStringLiteral("Everything recorded so far will be replaced with the backup from January 1, 2024 (Old "
                             "Laptop). This can't be undone."));
    ASSERT_TRUE(answerAlert("Replace"));
    QTRY_VERIFY(tab.notice());
    EXPECT_EQ(*tab.notice(), QStringLiteral("History restored from January 1, 2024 (Old Laptop)."));
}

TEST_F(SettingsDataTest, TheToggleNeedsAFolderAndSyncFoldersAreOfferedFirst)
{
    settings.setBackupFolder(QString());
    DataTab& tab = *shown().dataTab();
    EXPECT_FALSE(tab.dailyBackup()->isEnabled());
    EXPECT_EQ(tab.dailyBackup()->text(), QStringLiteral("Choose a backup folder to turn this on."));
    EXPECT_EQ(tab.folderButton()->text(), QStringLiteral("Choose\u2026"));
    QStringList offered;
    for (const QAction* action : tab.folderMenu()->actions())
        offered.append(action->text());
    EXPECT_EQ(offered, (QStringList{"~/Nextcloud", QString(), "Other Folder\u2026"}));

    const QString other = configDir.filePath("Backups");
    QDir().mkpath(other);
    tab.setFolderChooser([other](QWidget*) { return std::optional(other); });
    tab.folderMenu()->actions().constLast()->trigger();
    EXPECT_EQ(settings.backupFolder(), other);
    EXPECT_TRUE(tab.dailyBackup()->isEnabled());
    EXPECT_EQ(tab.dailyBackup()->text(), QString());
    EXPECT_EQ(tab.folderButton()->text(), other);

    tab.folderMenu()->actions().constFirst()->trigger();
    EXPECT_EQ(settings.backupFolder(), fake.places.syncFolder());
    EXPECT_EQ(tab.folderButton()->text(), QStringLiteral("~/Nextcloud"));
}

TEST_F(SettingsDataTest, ConfirmedRestoreReplacesTheHistoryAndSaysFromWhen)
{
    start({{"Editor", 600}});
    writeCopy("2025-03-04", {{"Terminal", 1200}, {"Mail", 300}});
    DataTab& tab = *shown().dataTab();
    QTRY_COMPARE(tab.copies().size(), 1);

    tab.restoreMenu()->actions().constFirst()->trigger();
    ASSERT_TRUE(tab.copyToRestore());
    ASSERT_TRUE(tab.alert());
    EXPECT_EQ(tab.alert()->text(), QStringLiteral("Replace your history?"));
    EXPECT_EQ(tab.alert()->informativeText(),
              QStringLiteral("Everything recorded so far will be replaced with the backup from March 4, 2025. This "
                             "can't be undone."));
    ASSERT_TRUE(answerAlert("Replace"));
    EXPECT_FALSE(tab.copyToRestore());

    QTRY_VERIFY(tab.notice());
    EXPECT_EQ(*tab.notice(), QStringLiteral("History restored from March 4, 2025."));
    ASSERT_TRUE(tab.alert());
    EXPECT_EQ(tab.alert()->text(), *tab.notice());
    EXPECT_EQ(todaysSeconds(), (QHash<QString, double>{{"Terminal", 1200}, {"Mail", 300}}));
    EXPECT_TRUE(fetchedFiles().isEmpty());

    ASSERT_TRUE(answerAlert("OK"));
    EXPECT_FALSE(tab.notice());
    EXPECT_FALSE(tab.alert());
}

TEST_F(SettingsDataTest, CancelledRestoreChangesNothing)
{
    start({{"Editor", 600}});
    writeCopy("2025-03-04", {{"Terminal", 1200}});
    DataTab& tab = *shown().dataTab();
    QTRY_COMPARE(tab.copies().size(), 1);
    tab.restoreMenu()->actions().constFirst()->trigger();
    ASSERT_TRUE(answerAlert("Cancel"));
    EXPECT_FALSE(tab.copyToRestore());
    QTest::qWait(100);
    EXPECT_FALSE(backupController->isRestoring());
    EXPECT_FALSE(tab.notice());
    EXPECT_EQ(todaysSeconds(), (QHash<QString, double>{{"Editor", 600}}));
}

// Copies that can be fetched but hold no usable history: the history stays and the fetched file goes.
struct BadCopy
{
    const char* name;
    std::function<QByteArray(const QByteArray& realCopy)> bytes;
};

class SettingsRejectedCopyTest : public SettingsDataTest, public ::testing::WithParamInterface<BadCopy>
{
};

TEST_P(SettingsRejectedCopyTest, LeavesTheHistoryAsItWasAndSaysSo)
{
    start({{"Editor", 600}});
    const QString real = writeCopy("2025-03-01", {{"Terminal", 1200}});
    QFile realFile(real);
    ASSERT_TRUE(realFile.open(QIODevice::ReadOnly));
    const QByteArray realBytes = realFile.readAll();
    realFile.close();
    QFile::remove(real);
    const QString bad = writeFile("2025-03-04", GetParam().bytes(realBytes));

    DataTab& tab = *shown().dataTab();
    tab.setCopyToRestore(BackupFolder::Copy{bad, "2025-03-04", "this-computer", {}});
    ASSERT_TRUE(answerAlert("Replace"));
    QTRY_VERIFY(tab.notice());
    EXPECT_EQ(*tab.notice(), QStringLiteral("That backup couldn't be used. Your history was left as it was."));
    EXPECT_EQ(todaysSeconds(), (QHash<QString, double>{{"Editor", 600}}));
    EXPECT_TRUE(fetchedFiles().isEmpty());
    EXPECT_TRUE(QFile::exists(bad)); // the copy itself is left alone
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsRejectedCopyTest,
    ::testing::Values(BadCopy{"text_file", [](const QByteArray&) { return QByteArray("Date,Type\n2025-03-04,App\n"); }},
                      BadCopy{"truncated_database", [](const QByteArray& real) { return real.left(real.size() / 2); }},
                      BadCopy{"empty_file", [](const QByteArray&) { return QByteArray(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsDataTest, ACopyThatCannotBeFetchedSaysSo)
{
    start({{"Editor", 600}});
    DataTab& tab = *shown().dataTab();
    tab.setCopyToRestore(
        BackupFolder::Copy{backupFolder() + "/Horavane 2025-03-04.sqlite", "2025-03-04", "this-computer", {}});
    ASSERT_TRUE(answerAlert("Replace"));
    QTRY_VERIFY(tab.notice());
    EXPECT_EQ(*tab.notice(), QStringLiteral("That backup couldn't be read from the backup folder."));
    EXPECT_EQ(todaysSeconds(), (QHash<QString, double>{{"Editor", 600}}));
}

TEST_F(SettingsDataTest, LastBackupRowShowsOnlyWhileBackingUp)
{
    DataTab& tab = *shown().dataTab();
    EXPECT_TRUE(tab.lastBackupRow()->isHidden());
    settings.setDailyBackup(true);
    EXPECT_TRUE(tab.dailyBackup()->isChecked());
    EXPECT_FALSE(tab.lastBackupRow()->isHidden());
    EXPECT_EQ(tab.lastBackupLabel()->text(), QStringLiteral("Not yet"));

    const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
    settings.setLastBackup(static_cast<double>(yesterday.toSecsSinceEpoch()));
    EXPECT_TRUE(tab.lastBackupLabel()->text().startsWith(QStringLiteral("Yesterday at ")));
    settings.setBackupProblem(QStringLiteral("Couldn't write to the backup folder"));
    EXPECT_EQ(tab.lastBackupLabel()->text(), QStringLiteral("Couldn't write to the backup folder"));
    settings.setBackupProblem(QString());
    EXPECT_TRUE(tab.lastBackupLabel()->text().startsWith(QStringLiteral("Yesterday at ")));
}

TEST_F(SettingsDataTest, TurningBackupOnInPreviewFlushesButCopiesNothing)
{
    start({{"Editor", 600}});
    use("Terminal", 30); // pending, not yet written
    DataTab& tab = *shown().dataTab();
    tab.dailyBackup()->click();
    EXPECT_TRUE(settings.dailyBackup());
    double stored = 0;
    for (const UsageRow& row : tracker->store()->allRows())
        if (row.name == QStringLiteral("Terminal"))
            stored += row.seconds;
    EXPECT_EQ(stored, 30);
    EXPECT_FALSE(Backup::inProgress());
    EXPECT_FALSE(QDir(backupFolder()).exists());
}

TEST_F(SettingsDataTest, TurningBackupOnMakesACopyAtOnceAndListsIt)
{
    start({{"Editor", 600}}, Tracker::Sampling::live);
    DataTab& tab = *shown().dataTab();
    QSignalSpy finished(&backup, &Backup::finished);
    tab.dailyBackup()->click();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(QFile::exists(backupFolder() + "/Horavane 2025-03-05.sqlite"));
    const QList<BackupFolder::Copy> todays{
        {backupFolder() + "/Horavane 2025-03-05.sqlite", "2025-03-05", "this-computer", "Desk"}};
    QTRY_COMPARE(tab.copies(), todays);
    settings.setDailyBackup(false);
    tab.dailyBackup()->click(); // on again: today's copy is replaced, never doubled
    ASSERT_TRUE(finished.wait(30000));
    QTRY_COMPARE(tab.copies().size(), 1);
}

TEST_F(SettingsDataTest, ExportWritesEveryRowAsCsvIncludingPendingTime)
{
    start({{"Mail, Calendar", 300}, {"Editor", 600}});
    use("Editor", 30);
    DataTab& tab = *shown().dataTab();
    chooseFile(exportPath());
    tab.exportButton()->click();
    EXPECT_EQ(proposedNames, QStringList{"Horavane History.csv"});
    EXPECT_FALSE(tab.notice());
    QFile file(exportPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Date,Type,Name,Identifier,Seconds\n"
                                         "2025-03-05,App,Editor,org.example.Editor,630\n"
                                         "2025-03-05,App,\"Mail, Calendar\",\"org.example.Mail, Calendar\",300\n"));
}

TEST_F(SettingsDataTest, CancelledExportWritesNothingAndSaysNothing)
{
    start({{"Editor", 600}});
    DataTab& tab = *shown().dataTab();
    chooseFile(std::nullopt);
    tab.exportButton()->click();
    EXPECT_EQ(proposedNames.size(), 1);
    EXPECT_FALSE(QFile::exists(exportPath()));
    EXPECT_FALSE(tab.notice());
    EXPECT_FALSE(tab.alert());
}

TEST_F(SettingsDataTest, ExportIntoAnUnwritableFolderSaysSoAndKeepsTheOldFile)
{
    start({{"Editor", 600}});
    // A path below a plain file cannot be created, whoever runs the test.
    QFile blocker(configDir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataTab& tab = *shown().dataTab();
    chooseFile(configDir.filePath("not-a-folder/history.csv"));
    tab.exportButton()->click();
    ASSERT_TRUE(tab.notice());
    EXPECT_EQ(*tab.notice(), QStringLiteral("The file couldn't be saved there."));
    ASSERT_TRUE(tab.alert());
    EXPECT_EQ(tab.alert()->text(), QStringLiteral("The file couldn't be saved there."));
}

TEST_F(SettingsDataTest, DeleteAllAsksFirst)
{
    start({{"Editor", 600}});
    DataTab& tab = *shown().dataTab();
    tab.deleteButton()->click();
    ASSERT_TRUE(tab.isConfirmingDelete());
    EXPECT_EQ(tab.alert()->text(), QStringLiteral("Delete all history?"));
    EXPECT_EQ(tab.alert()->informativeText(),
              QStringLiteral("Every day Horavane has recorded on this computer will be removed. Backups in the backup "
                             "folder are not touched. This can't be undone."));
    ASSERT_TRUE(answerAlert("Cancel"));
    EXPECT_FALSE(tab.isConfirmingDelete());
    EXPECT_EQ(todaysSeconds().value("Editor"), 600);

    use("Terminal", 20);
    tab.deleteButton()->click();
    ASSERT_TRUE(answerAlert("Delete"));
    EXPECT_FALSE(tab.isConfirmingDelete());
    EXPECT_TRUE(todaysSeconds().isEmpty());
    EXPECT_TRUE(tracker->store()->allRows().isEmpty());
}

TEST_F(SettingsDataTest, ShowWelcomeScreenAsksTheShell)
{
    DataTab& tab = *shown().dataTab();
    QSignalSpy requested(&tab, &DataTab::welcomeRequested);
    tab.welcomeButton()->click();
    EXPECT_EQ(requested.size(), 1);
}

} // namespace
