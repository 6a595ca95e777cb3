// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GreyAppIcons.h"
#include "AppIcons.h"
#include "FakePlatform.h"
#include "Icons.h"
#include "NoFavicons.h"
#include "Period.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"
#include "UpdateChecker.h"

#include <QCursor>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

// The models a popover reads: a tracker that samples only when told, over a store in a temporary folder
// that already holds today's totals, icons without favicons, and an update checker that never reaches out.
struct PopoverFixture
{
    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
    GreyAppIcons appIcons;
    Icons icons{appIcons, noFavicons(configDir.filePath("Favicons"))};
    UpdateChecker updates{QUrl(QStringLiteral("http://127.0.0.1:9/version.json")), QStringLiteral("1.0"),
                          std::chrono::milliseconds(500)};
    std::unique_ptr<Tracker> tracker;

    QString today() const { return Day::string(fake.clock.now(), fake.clock.timeZone()); }

    // (name, seconds) pairs for today, each an application whose identifier is "org.example." + name.
    void start(const QList<std::pair<QString, double>>& usage)
    {
        QList<UsageRow> rows;
        for (const auto& [name, seconds] : usage)
            rows.append(UsageRow{today(), key(name), name, seconds});
        auto store = Store::open(fake.places.databasePath());
        if (!rows.isEmpty())
            store->add(rows);
        tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings, std::move(store));
    }

    static ItemKey key(const QString& name) { return ItemKey{ItemKind::app, QStringLiteral("org.example.") + name}; }

    // Puts the application in front and samples every two seconds for the given time.
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

// A right click as the desktop delivers it, through the window: press, release and the context-menu request.
inline void rightClick(QWidget* widget, const QPoint& position)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, widget->mapTo(window, position));
}

// Moves the pointer off every window, so a window shown next does not start with a row under it.
inline void parkPointer()
{
    QCursor::setPos(-1000, -1000);
}

// n items named "Item 1", "Item 2", … with the given seconds each, most used first.
inline QList<std::pair<QString, double>> items(const QList<double>& seconds)
{
    QList<std::pair<QString, double>> usage;
    for (qsizetype i = 0; i < seconds.size(); ++i)
        usage.append({QStringLiteral("Item %1").arg(i + 1), seconds[i]});
    return usage;
}
