// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "GreyAppIcons.h"
#include "Icons.h"
#include "NoFavicons.h"
#include "Period.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"

#include <QTemporaryDir>
#include <memory>

// What every view reads: a tracker over the fake platform, settings in a temporary folder and icons without
// favicons. start() makes the tracker; a fixture that needs another kind makes its own.
struct TrackerFixture
{
    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
    GreyAppIcons appIcons;
    Icons icons{appIcons, noFavicons(configDir.filePath("Favicons"))};
    std::unique_ptr<Tracker> tracker;

    QString today() const { return Day::string(fake.clock.now(), fake.clock.timeZone()); }
    // An application whose identifier is "org.example." + name.
    static ItemKey key(const QString& name) { return ItemKey{ItemKind::app, QStringLiteral("org.example.") + name}; }

    // A tracker over a store that already holds today's (name, seconds) of applications.
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

    // Puts the application in front and samples every two seconds for the given time, which stays pending.
    void use(const QString& name, int seconds)
    {
        fake.workspace.setFront(RunningApp{key(name).id, name, 500});
        tracker->tick();
        for (int t = 0; t < seconds; t += 2) {
            fake.clock.advance(2);
            tracker->tick();
        }
    }
};
