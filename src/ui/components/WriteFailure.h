// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The alert for a change of the history (Delete All, Don't Track, Track Again) that the history
// file refused: the view stays as the file is, and the user knows why.
namespace WriteFailure {

void tell(QWidget* parent);

} // namespace WriteFailure
