// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Glance.h"

#include <cmath>

Glance::Glance(const Summary& summary)
{
    minutes = static_cast<qint64>(std::trunc(summary.total / 60));
    if (!(summary.total >= 60) || summary.items.isEmpty())
        return;
    const qsizetype count = std::min<qsizetype>(summary.items.size(), 8);
    for (qsizetype i = 0; i < count; ++i)
        shares.append(2 * static_cast<int>(std::round(summary.items[i].seconds / summary.total * 50)));
}
