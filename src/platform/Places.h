// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The folders this program may use. Everything it writes lives below one of them.
class Places
{
public:
    virtual ~Places() = default;

    virtual QString dataFolder() const = 0;      // holds usage.sqlite
    virtual QString cacheFolder() const = 0;     // favicon cache
    virtual QString temporaryFolder() const = 0; // scratch files
    virtual QString homeFolder() const = 0;
    // Folders a sync tool keeps (Nextcloud, Syncthing, Dropbox…) that exist: the likeliest backup folders.
    virtual QStringList syncFolders() const { return {}; }

    QString databasePath() const { return dataFolder() + QStringLiteral("/usage.sqlite"); }
};
