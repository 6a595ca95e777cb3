// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Counts the program's open windows (history, settings, welcome) and brings a newly shown one to the front.
namespace AppPresence {

// A window's content appeared; its window is brought forward shortly after, unless in preview mode.
void windowAppeared();
// A window's content disappeared; the count never goes below zero.
void windowDisappeared();
int openWindows();
// Preview mode renders windows for pictures and never activates them.
void setPreviewMode(bool preview);

} // namespace AppPresence
