// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Texts that come from other programs (window classes and names, desktop entries, page hosts).
namespace CapturedText {

// The text without control characters (C0, DEL, C1) and without the bidirectional overrides and
// isolates, which could reorder or hide what a terminal or a list shows. Unchanged (and not copied)
// when it holds none.
QString withoutControls(const QString& text);

} // namespace CapturedText
