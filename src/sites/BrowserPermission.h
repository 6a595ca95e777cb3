// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which permission lets Horavane read a browser's front page.
enum class BrowserPermission
{
    rendererAccessibility, // the browser's own, given by how it starts (Chromium-family browsers)
    accessibility,         // the desktop's accessibility switch (Firefox-family browsers)
};
