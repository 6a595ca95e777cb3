// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sqlite.h"
#include "UsageItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

// The recorded history in one SQLite file: seconds per day and item, and the excluded items.
// Used from the main thread only.
class Store
{
public:
    // Why a store could not be opened.
    enum class OpenFailure
    {
        none,
        unavailable, // locked by another program, unreadable, no room: worth trying again later
        damaged,     // SQLite finds the file corrupt or not a database: trying again will not help
    };

    // One stored row as SQLite hands it out, valid only during the call that receives it.
    struct RawRow
    {
        std::string_view day; // UTF-8
        qint64 kind = 0;
        std::string_view id;
        std::string_view name;
        double seconds = 0;
    };

    // Opens or creates the database at path; none when it cannot be opened or prepared, and then
    // failure (when given) says why. A folder it creates is private to the user (0700), as is a new file (0600).
    static std::unique_ptr<Store> open(const QString& path, OpenFailure* failure = nullptr);

    // Adds each row's seconds to its day's total, all in one transaction. False, with nothing
    // written, when the transaction did not commit (full disk, read-only file, database locked).
    bool add(const QList<UsageRow>& rows);
    // The stored totals of every day from `from` to `to` (day keys, both included), by day key.
    QHash<QString, DayTotals> daily(const QString& from, const QString& to);
    QHash<ItemKey, QString> excluded();
    // Records (on) or removes (off) one exclusion; false when it could not be written.
    bool setExcluded(const ItemKey& key, const QString& name, bool on);
    // Every stored row, by day, then by seconds descending.
    QList<UsageRow> allRows();
    // Hands every well-formed stored row, in the order of allRows(), to visit, one at a time, so
    // that no more than one row is held. False when the rows could not all be read (visit returning
    // false also stops the read, and counts as a failure).
    bool eachRow(const std::function<bool(const RawRow&)>& visit);
    // Replaces all usage by the usage table of another database file. False, with the history
    // untouched, when that file cannot be attached or its usage table is missing or of another shape,
    // or when the current history could not first be copied to safetyCopyPath(): a wrong choice of
    // backup can then always be undone by hand.
    bool replaceHistory(const QString& path);
    // The copy of the history taken before the last restore, beside the history file.
    QString safetyCopyPath() const;
    // Runs a fixed statement on the connection; true when it succeeded.
    bool execute(const char* sql);
    // Whether a read stopped early (a locked or damaged file) since the store was opened, so that
    // a reader can tell an empty history from one it could not read.
    bool readFailed() const { return m_readFailed; }
    // Whether SQLite found the file damaged while reading or writing it since it was opened.
    bool isDamaged() const { return m_damaged; }

    // SQLite's words for the last failure on the connection.
    QString errorMessage() const;
    const QString& path() const { return m_path; }
    sqlite3* db() const { return m_db.get(); }

private:
    Store() = default;
    // Whether the attached database "incoming" holds a usage table of this store's columns.
    bool incomingIsUsageTable();
    bool copyHistoryTo(const QString& target);
    // Notes what the last failed call on the connection says about the file.
    void noteFailure(bool whileReading);

    QString m_path;
    bool m_readFailed = false;
    bool m_damaged = false;

    Sqlite::DatabaseHandle m_db; // declared first: closed after the statements are finalized
    Sqlite::Statement m_upsert;
    Sqlite::Statement m_select;
};
