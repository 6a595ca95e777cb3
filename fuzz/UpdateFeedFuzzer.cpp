// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The update feed's body, as any server (or anything between it and us) may send it.
#include "FuzzSupport.h"
#include "Updates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QString> version = Updates::latestVersion(Fuzz::bytes(data, size));
    if (!version)
        return 0;
    // A version the feed names compares sanely with itself and with ours.
    FUZZ_REQUIRE(!Updates::isNewer(*version, *version));
    const QString current = QStringLiteral("0.1.0");
    FUZZ_REQUIRE(!(Updates::isNewer(*version, current) && Updates::isNewer(current, *version)));
    return 0;
}
