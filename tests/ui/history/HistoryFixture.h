// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TrackerFixture.h"

// A non-live tracker over a store in a temp dir, with the fake clock on Wednesday 2025-03-05 12:00 in Berlin,
// and the icons and settings a history view needs.
struct HistoryFixture : TrackerFixture
{
    HistoryFixture()
    {
        auto store = Store::open(configDir.filePath("usage.sqlite"));
        this->store = store.get();
        tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings, std::move(store));
    }

    // Adds seconds for an app on a day of March 2025.
    void record(int dayOfMonth, const QString& id, double seconds, ItemKind kind = ItemKind::app)
    {
        const QString day = QDate(2025, 3, dayOfMonth).toString(Qt::ISODate);
        store->add({UsageRow{day, ItemKey{kind, id}, id.section('.', -1), seconds}});
    }

    Store* store = nullptr;
};
