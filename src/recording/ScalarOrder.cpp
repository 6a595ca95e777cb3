// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScalarOrder.h"

namespace {

// Shifts UTF-16 units so that their order is the order of the code points they belong to:
// surrogates (parts of code points above U+FFFF) move above U+E000…U+FFFF.
inline int scalarRank(char16_t unit) noexcept
{
    if (unit >= 0xE000)
        return unit - 0x800;
    if (unit >= 0xD800)
        return unit + 0x2000;
    return unit;
}

} // namespace

int compareByScalars(QStringView a, QStringView b) noexcept
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x != y)
            return scalarRank(x) - scalarRank(y);
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}
