// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Backup.h"
#include "BackupController.h"
#include "DataTab.h"
#include "LoginItem.h"
#include "SettingsView.h"
#include "TrackerFixture.h"
#include "UpdateChecker.h"

#include <QAbstractButton>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
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
struct SettingsFixture : TrackerFixture
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

    std::unique_ptr<UpdateChecker> updates = checker(QUrl(QStringLiteral("http://127.0.0.1:9/version.json")));
    Backup backup{settings, fake.places, fake.clock};
    FakeLoginItem loginItem;
    std::unique_ptr<BackupController> backupController;
    std::unique_ptr<SettingsView> view;

    static std::unique_ptr<UpdateChecker> checker(const QUrl& feed)
    {
        return std::make_unique<UpdateChecker>(feed, QStringLiteral("1.0"), std::chrono::milliseconds(2000));
    }

    // This computer's folder of copies.
    QString backupFolder(const QString& computer = QStringLiteral("this-computer")) const
    {
        return fake.places.syncFolder() + QStringLiteral("/Horavane/") + computer;
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
