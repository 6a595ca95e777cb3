// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the probe knows, right now, about the page a browser shows.
struct ProbeResult
{
    enum class Kind
    {
        site,    // the host of the page in front, learned less than five seconds ago
        none,    // nothing fresh is known: count the browser itself
        blocked, // the browser refused to say: count the browser and show the permission notice
    };

    Kind kind = Kind::none;
    QString host; // only for `site`

    static ProbeResult site(const QString& host) { return {Kind::site, host}; }
    static ProbeResult none() { return {}; }
    static ProbeResult blocked() { return {Kind::blocked, {}}; }

    bool operator==(const ProbeResult&) const = default;
};
