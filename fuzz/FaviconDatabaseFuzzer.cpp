// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A browser's favicon database, as another program (or a damaged disk) may have left it, through the
// real lookup. The first byte chooses the layout (bit 0) and whether a write-ahead log lies beside the
// database (bit 1: the next two bytes say where the rest splits into database and log).
#include "BrowserIcons.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const BrowserIcons::Kind kind = data[0] & 1 ? BrowserIcons::Kind::firefox : BrowserIcons::Kind::chromium;
    const QByteArray rest = Fuzz::bytes(data + 3, size - 3);
    const qsizetype split = data[0] & 2 ? (data[1] | data[2] << 8) % (rest.size() + 1) : rest.size();
    const QString path = Fuzz::writeScratchFile(BrowserIcons::databaseName(kind), rest.left(split));
    Fuzz::writeScratchFile(BrowserIcons::databaseName(kind) + QStringLiteral("-wal"), rest.mid(split));
    const std::optional<QByteArray> icon =
        BrowserIcons::lookup(QStringLiteral("example.org"), {path, kind}, Fuzz::scratchFolder());
    if (icon)
        FUZZ_REQUIRE(!icon->isEmpty() && icon->size() <= BrowserIcons::maximumBytes);
    return 0;
}
