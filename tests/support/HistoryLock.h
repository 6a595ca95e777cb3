// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>
#include <sqlite3.h>

// Another program holding the history file exclusively, through a real second connection, until released.
class HistoryLock
{
public:
    explicit HistoryLock(const QString& path)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &m_db);
        m_held = sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~HistoryLock()
    {
        release();
        sqlite3_close(m_db);
    }
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;

    bool isHeld() const { return m_held; }
    void release()
    {
        if (std::exchange(m_held, false))
            sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    }

private:
    sqlite3* m_db = nullptr;
    bool m_held = false;
};
