#pragma once

#include "Sqlite.h"
#include "UsageItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>

// The recorded history in one SQLite file: seconds per day and item, and the excluded items.
// Used from the main thread only.
class Store
{
public:
    // Opens or creates the database at path; none when it cannot be opened or prepared.
    // A folder it creates is private to the user (0700), as is a new file (0600).
    static std::unique_ptr<Store> open(const QString& path);

    // Adds each row's seconds to its day's total, all in one transaction. False, with nothing
    // written, when the transaction did not commit (full disk, read-only file, database locked).
    bool add(const QList<UsageRow>& rows);
    // The stored totals of every day from `from` to `to` (day keys, both included), by day key.
    QHash<QString, DayTotals> daily(const QString& from, const QString& to);
    QHash<ItemKey, QString> excluded();
    void setExcluded(const ItemKey& key, const QString& name, bool on);
    // Every stored row, by day, then by seconds descending.
    QList<UsageRow> allRows();
    // Replaces all usage by the usage table of another database file. False, with the history
    // untouched, when that file cannot be attached or its usage table is missing or of another shape.
    bool replaceHistory(const QString& path);
    // Runs a fixed statement on the connection; true when it succeeded.
    bool execute(const char* sql);

    sqlite3* db() const { return m_db.get(); }

private:
    Store() = default;
    // Whether the attached database "incoming" holds a usage table of this store's columns.
    bool incomingIsUsageTable();

    Sqlite::DatabaseHandle m_db; // declared first: closed after the statements are finalized
    Sqlite::Statement m_upsert;
    Sqlite::Statement m_select;
};
