// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Places.h"

// The XDG base directories: data in $XDG_DATA_HOME/Horavane, cache in $XDG_CACHE_HOME/Horavane.
class XdgPlaces final : public Places
{
public:
    QString dataFolder() const override;
    QString cacheFolder() const override;
    QString temporaryFolder() const override;
    QString homeFolder() const override;
    QStringList syncFolders() const override;
    // The preferences file, in $XDG_CONFIG_HOME/Horavane.
    QString settingsFile() const;
};
