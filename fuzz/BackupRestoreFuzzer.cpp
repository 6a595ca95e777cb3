// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A backup file from the synced folder (which other computers and programs write to) restored into the
// history: it is taken only when its usage table has our shape, and the history reads back afterwards.
#include "FuzzSupport.h"
#include "Store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<Store> store = Store::open(Fuzz::scratchFolder() + QStringLiteral("/history.sqlite"));
    FUZZ_REQUIRE(store);
    const QString backup = Fuzz::writeScratchFile(QStringLiteral("backup.sqlite"), Fuzz::bytes(data, size));
    if (store->replaceHistory(backup)) {
        store->allRows();
        store->daily(QStringLiteral("0000-01-01"), QStringLiteral("9999-12-31"));
    }
    // Whatever the file was, the store stays usable.
    FUZZ_REQUIRE(store->add({{QStringLiteral("2026-03-01"), ItemKey{ItemKind::app, QStringLiteral("firefox")},
                              QStringLiteral("Firefox"), 1}}));
    return 0;
}
