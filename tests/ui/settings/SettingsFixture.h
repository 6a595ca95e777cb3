// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIcons.h"
#include "Backup.h"
#include "BackupController.h"
#include "DataTab.h"
#include "FakePlatform.h"
#include "GreyAppIcons.h"
#include "Icons.h"
#include "LoginItem.h"
#include "NoFavicons.h"
#include "Period.h"
#include "Settings.h"
#include "SettingsView.h"
#include "Store.h"
#include "Tracker.h"
#include "UpdateChecker.h"

#include <QAbstractButton>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A login item that remembers its state, or refuses every change when told to.
class FakeLoginItem final : public LoginItem
{
public:
    bool enabled = false;
    bool refuses = false;
    int calls = 0;

    bool isEnabled() const override { return enabled; }
    std::optional<QString> enable() override { return change(true); }
    std::optional<QString> disable() override { return change(false); }

private:
    std::optional<QString> change(bool on)
    {
        ++calls;
        if (refuses)
            return QStringLiteral("The autostart folder is read-only");
        enabled = on;
        return std::nullopt;
    }
};

// What a settings window works on: a tracker that samples only when told, over a store in a temporary
// home that also holds a sync folder chosen for backups, icons without favicons, an update checker pointed at nothing
// unless a test gives it a feed, the backup with its controller and a login item.
struct SettingsFixture
{
    SettingsFixture()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QDir().mkpath(fake.places.syncFolder());
        settings.setBackupFolder(fake.places.syncFolder());
        settings.setComputerId(QStringLiteral("this-computer"));
        settings.setComputerName(QStringLiteral("Desk"));
    }
    ~SettingsFixture() { QLocale::setDefault(QLocale::system()); }

    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
    GreyAppIcons appIcons;
    Icons icons{appIcons, noFavicons(configDir.filePath("Favicons"))};
    std::unique_ptr<UpdateChecker> updates = checker(QUrl(QStringLiteral("http://127.0.0.1:9/version.json")));
    Backup backup{settings, fake.places, fake.clock};
    FakeLoginItem loginItem;
    std::unique_ptr<Tracker> tracker;
    std::unique_ptr<BackupController> backupController;
    std::unique_ptr<SettingsView> view;

    static std::unique_ptr<UpdateChecker> checker(const QUrl& feed)
    {
        return std::make_unique<UpdateChecker>(feed, QStringLiteral("1.0"), std::chrono::milliseconds(2000));
    }

    QString today() const { return Day::string(fake.clock.now(), fake.clock.timeZone()); }
    static ItemKey key(const QString& name) { return ItemKey{ItemKind::app, QStringLiteral("org.example.") + name}; }
    // This computer's folder of copies.
    QString backupFolder(const QString& computer = QStringLiteral("this-computer")) const
    {
        return fake.places.syncFolder() + QStringLiteral("/Horavane/") + computer;
    }

    // A tracker over a store holding today's (name, seconds) rows.
    void start(const QList<std::pair<QString, double>>& usage, Tracker::Sampling sampling = Tracker::Sampling::whenTold)
    {
        auto store = Store::open(fake.places.databasePath());
        QList<UsageRow> rows;
        for (const auto& [name, seconds] : usage)
            rows.append(UsageRow{today(), key(name), name, seconds});
        if (!rows.isEmpty())
            store->add(rows);
        tracker = std::make_unique<Tracker>(sampling, fake.platform(), settings, std::move(store));
    }

    // The view on the offscreen screen, as the settings window shows it.
    SettingsView& shown()
    {
        if (!tracker)
            start({});
        backupController = std::make_unique<BackupController>(*tracker, settings, backup, fake.places);
        view = std::make_unique<SettingsView>(*tracker, icons, settings, *updates, *backupController, loginItem,
                                              fake.places);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return *view;
    }

    // Puts the application in front and samples every two seconds, leaving the time pending.
    void use(const QString& name, int seconds)
    {
        fake.workspace.setFront(RunningApp{key(name).id, name, 500});
        tracker->tick();
        for (int t = 0; t < seconds; t += 2) {
            fake.clock.advance(2);
            tracker->tick();
        }
    }

    // Today's seconds of each item, as every view sees them.
    QHash<QString, double> todaysSeconds() const
    {
        QHash<QString, double> seconds;
        for (const UsageItem& item : tracker->summary(Period::today).items)
            seconds.insert(item.name, item.seconds);
        return seconds;
    }

    // Presses the alert's button with the given text; false when no alert or no such button is shown.
    bool answerAlert(const QString& buttonText)
    {
        QMessageBox* alert = view->dataTab()->alert();
        if (!alert)
            return false;
        for (QAbstractButton* button : alert->buttons())
            if (button->text() == buttonText) {
                button->click();
                return true;
            }
        return false;
    }
};
