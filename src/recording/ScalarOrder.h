// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// Compares two texts by their Unicode scalar values (code points), case-sensitively and without
// locale rules. Unlike a UTF-16 comparison it puts characters above U+FFFF after U+E000…U+FFFF.
// Returns a negative number, 0 or a positive number.
int compareByScalars(QStringView a, QStringView b) noexcept;
