// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace DurationText {
// A short duration such as "<1m", "45m", "2h" or "1h 5m"; seconds are never shown.
QString string(double seconds);
// The same duration in words, as a screen reader says it: "1 hour 32 minutes", "less than a minute".
QString spoken(double seconds);
} // namespace DurationText
