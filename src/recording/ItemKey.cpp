// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItemKey.h"

std::optional<ItemKind> itemKindFromRaw(qint64 raw)
{
    switch (raw) {
    case 0:
        return ItemKind::app;
    case 1:
        return ItemKind::site;
    default:
        return std::nullopt;
    }
}
