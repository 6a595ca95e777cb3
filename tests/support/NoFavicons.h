// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Icons.h"

// Icon options under which no browser has a favicon for anything; the cache goes to cacheFolder.
inline Icons::Options noFavicons(const QString& cacheFolder)
{
    return {.cacheFolder = cacheFolder,
            .search = [](const QString&, const std::atomic_bool&) { return std::optional<QByteArray>(); },
            .retryDelay = std::chrono::seconds(120),
            .now = {}};
}
