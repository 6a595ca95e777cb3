// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Page addresses as browsers report them, down to the host a site is recorded and its favicon cached under.
#include "FaviconCache.h"
#include "FuzzSupport.h"
#include "Site.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QString> host = Site::host(QString::fromUtf8(Fuzz::bytes(data, size)));
    if (!host)
        return 0;
    FUZZ_REQUIRE(!host->isEmpty() && *host != "." && *host != "..");
    for (const QChar c : *host)
        FUZZ_REQUIRE(c.unicode() >= 0x20 && c != '/' && c != '\\' && !(c.unicode() >= 0x7f && c.unicode() < 0xa0));
    FUZZ_REQUIRE(*host == host->toLower());

    // The cache names a file after the host: always one plain name inside its folder.
    const QString name = FaviconCache::fileName(*host);
    FUZZ_REQUIRE(!name.isEmpty() && name != "." && name != ".." && !name.startsWith('.'));
    FUZZ_REQUIRE(!name.contains('/') && !name.contains(QChar(0)) && name.toUtf8().size() <= 255);
    return 0;
}
