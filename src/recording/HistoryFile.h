// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Store.h"

#include <QString>
#include <memory>

class Clock;

// The recorder's history file. It is opened again at every attempt until it opens (another program
// may hold it locked for a while), and a file SQLite finds damaged is moved aside under a dated
// name, never deleted, so that a fresh history can start in its place and the old one can still be
// rescued by hand.
class HistoryFile
{
public:
    HistoryFile(QString path, const Clock& clock);

    // One attempt. A damaged file is moved aside first and a new one created. None while the file
    // stays locked or unreadable, or when a damaged file cannot be moved.
    std::unique_ptr<Store> open();
    // Moves the file, with its journal, to a dated name beside it; false when it could not be moved.
    // The caller has closed its store of the file.
    bool moveAside();

    const QString& path() const { return m_path; }
    // Where the last damaged file went; empty when none was moved.
    const QString& movedTo() const { return m_movedTo; }

private:
    QString m_path;
    const Clock& m_clock;
    QString m_movedTo;
};
