// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Focus.h"

Focus Focus::item(const ItemKey& key)
{
    return Focus{Kind::item, key};
}

Focus Focus::other()
{
    return Focus{Kind::other, {}};
}

bool Focus::operator==(const Focus& other) const
{
    return kind == other.kind && (kind == Kind::other || key == other.key);
}
