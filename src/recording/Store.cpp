// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Store.h"

#include "PrivateFiles.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <sqlite3.h>

namespace {

const char* const createTables = "CREATE TABLE IF NOT EXISTS usage (\n"
                                 "    day TEXT NOT NULL,\n"
                                 "    kind INTEGER NOT NULL,\n"
                                 "    id TEXT NOT NULL,\n"
                                 "    name TEXT NOT NULL,\n"
                                 "    seconds REAL NOT NULL,\n"
                                 "    PRIMARY KEY (day, kind, id)\n"
                                 ") WITHOUT ROWID;\n"
                                 "CREATE TABLE IF NOT EXISTS excluded (\n"
                                 "    kind INTEGER NOT NULL,\n"
                                 "    id TEXT NOT NULL,\n"
                                 "    name TEXT NOT NULL,\n"
                                 "    PRIMARY KEY (kind, id)\n"
                                 ") WITHOUT ROWID;";
const char* const upsertUsage = "INSERT INTO usage (day, kind, id, name, seconds) VALUES (?, ?, ?, ?, ?)\n"
                                "ON CONFLICT (day, kind, id)\n"
                                "DO UPDATE SET seconds = seconds + excluded.seconds, name = excluded.name";
const char* const selectRange = "SELECT day, kind, id, name, seconds FROM usage WHERE day BETWEEN ? AND ?";
const char* const selectExcluded = "SELECT kind, id, name FROM excluded";
const char* const insertExcluded = "INSERT OR REPLACE INTO excluded (kind, id, name) VALUES (?1, ?2, ?3)";
const char* const deleteExcluded = "DELETE FROM excluded WHERE kind = ?1 AND id = ?2";
const char* const selectAll = "SELECT day, kind, id, name, seconds FROM usage ORDER BY day, seconds DESC";
const char* const replaceUsage = "BEGIN;\n"
                                 "DELETE FROM usage;\n"
                                 "INSERT INTO usage (day, kind, id, name, seconds) SELECT day, kind, id, name, "
                                 "seconds FROM incoming.usage;\n"
                                 "COMMIT;";

// The attached file's usage must be a table of exactly our columns: a view, or a table of another
// program or format, could pass rows that only look like history.
const char* const incomingShape =
    "SELECT (SELECT type FROM incoming.sqlite_master WHERE name = 'usage') = 'table' AND "
    "(SELECT group_concat(name, ',') FROM (SELECT name FROM pragma_table_info('usage', 'incoming') ORDER BY cid)) "
    "= 'day,kind,id,name,seconds'";

// Long enough for another process's read (a backup, the command line) to finish; short enough
// not to stall the main thread when the database stays locked.
constexpr int busyTimeoutMs = 500;

bool reportsDamage(sqlite3* db)
{
    const int code = sqlite3_extended_errcode(db) & 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

std::string_view columnText(const Sqlite::Statement& row, int column)
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(row.get(), column));
    return data ? std::string_view(data, static_cast<size_t>(sqlite3_column_bytes(row.get(), column)))
                : std::string_view();
}

// Reads one usage row; none when a text is NULL or the kind is unknown.
std::optional<UsageRow> usageRow(const Sqlite::Statement& row)
{
    const std::optional<ItemKind> kind = itemKindFromRaw(row.integer(1));
    if (row.isNull(0) || row.isNull(1) || row.isNull(2) || row.isNull(3) || !kind)
        return std::nullopt;
    return UsageRow{row.text(0), ItemKey{*kind, row.text(2)}, row.text(3), row.real(4)};
}

} // namespace

std::unique_ptr<Store> Store::open(const QString& path, OpenFailure* failure)
{
    PrivateFiles::makeFolder(QFileInfo(path).absolutePath()); // a failure shows in the open below
    PrivateFiles::createFile(path);

    std::unique_ptr<Store> store(new Store);
    store->m_path = path;
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    store->m_db.reset(db);
    const auto fail = [&] {
        if (failure)
            *failure = db && reportsDamage(db) ? OpenFailure::damaged : OpenFailure::unavailable;
        return nullptr;
    };
    if (opened != SQLITE_OK)
        return fail();
    sqlite3_busy_timeout(db, busyTimeoutMs);
    if (!Sqlite::execute(db, createTables))
        return fail();
    store->m_upsert = Sqlite::Statement(db, upsertUsage);
    store->m_select = Sqlite::Statement(db, selectRange);
    if (!store->m_upsert.isValid() || !store->m_select.isValid())
        return fail();
    if (failure)
        *failure = OpenFailure::none;
    return store;
}

bool Store::add(const QList<UsageRow>& rows)
{
    if (rows.isEmpty())
        return true;
    if (!execute("BEGIN"))
        return false;
    bool written = true;
    for (const UsageRow& row : rows) {
        m_upsert.bindText(1, row.day);
        m_upsert.bindInt(2, rawValue(row.key.kind));
        m_upsert.bindText(3, row.key.id);
        m_upsert.bindText(4, row.name);
        m_upsert.bindDouble(5, row.seconds);
        written = m_upsert.step() == SQLITE_DONE;
        m_upsert.reset();
        if (!written)
            break;
    }
    if (written && execute("COMMIT"))
        return true;
    noteFailure(false);
    // A failed step or commit leaves the transaction open: undo it, so that nothing half-written stays.
    if (!sqlite3_get_autocommit(db()))
        execute("ROLLBACK");
    return false;
}

QHash<QString, DayTotals> Store::daily(const QString& from, const QString& to)
{
    QHash<QString, DayTotals> result;
    m_select.bindText(1, from);
    m_select.bindText(2, to);
    int step = SQLITE_ROW;
    while ((step = m_select.step()) == SQLITE_ROW) {
        if (const std::optional<UsageRow> row = usageRow(m_select))
            result[row->day].insert(row->key, NamedSeconds{row->name, row->seconds});
    }
    if (step != SQLITE_DONE)
        noteFailure(true);
    m_select.reset();
    return result;
}

QHash<ItemKey, QString> Store::excluded()
{
    QHash<ItemKey, QString> result;
    Sqlite::Statement query(db(), selectExcluded);
    if (!query.isValid()) {
        noteFailure(true);
        return result;
    }
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        const std::optional<ItemKind> kind = itemKindFromRaw(query.integer(0));
        if (kind && !query.isNull(0) && !query.isNull(1) && !query.isNull(2))
            result.insert(ItemKey{*kind, query.text(1)}, query.text(2));
    }
    if (step != SQLITE_DONE)
        noteFailure(true);
    return result;
}

bool Store::setExcluded(const ItemKey& key, const QString& name, bool on)
{
    Sqlite::Statement change(db(), on ? insertExcluded : deleteExcluded);
    if (change.isValid()) {
        change.bindInt(1, rawValue(key.kind));
        change.bindText(2, key.id);
        if (on)
            change.bindText(3, name);
        if (change.step() == SQLITE_DONE)
            return true;
    }
    noteFailure(false);
    return false;
}

QList<UsageRow> Store::allRows()
{
    QList<UsageRow> result;
    Sqlite::Statement query(db(), selectAll);
    if (!query.isValid()) {
        noteFailure(true);
        return result;
    }
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        if (std::optional<UsageRow> row = usageRow(query))
            result.append(std::move(*row));
    }
    if (step != SQLITE_DONE)
        noteFailure(true);
    return result;
}

bool Store::eachRow(const std::function<bool(const RawRow&)>& visit)
{
    Sqlite::Statement query(db(), selectAll);
    if (!query.isValid()) {
        noteFailure(true);
        return false;
    }
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        const qint64 kind = query.integer(1);
        if (query.isNull(0) || query.isNull(1) || query.isNull(2) || query.isNull(3) || !itemKindFromRaw(kind))
            continue;
        if (!visit(RawRow{columnText(query, 0), kind, columnText(query, 2), columnText(query, 3), query.real(4)}))
            return false;
    }
    if (step == SQLITE_DONE)
        return true;
    noteFailure(true);
    return false;
}

bool Store::replaceHistory(const QString& path)
{
    // Attaching a missing file would create it; there is nothing to restore from anyway.
    if (!QFileInfo(path).isFile())
        return false;
    QString escaped = path;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    const QByteArray attach = "ATTACH DATABASE '" + escaped.toUtf8() + "' AS incoming";
    if (!execute(attach.constData()))
        return false;
    const bool replaced = incomingIsUsageTable() && copyHistoryTo(safetyCopyPath()) && execute(replaceUsage);
    if (!replaced && !sqlite3_get_autocommit(db()))
        execute("ROLLBACK");
    execute("DETACH DATABASE incoming");
    return replaced;
}

bool Store::incomingIsUsageTable()
{
    Sqlite::Statement shape(db(), incomingShape);
    return shape.isValid() && shape.step() == SQLITE_ROW && shape.integer(0) == 1;
}

QString Store::safetyCopyPath() const
{
    const QFileInfo file(m_path);
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("-before-restore.") +
           file.suffix();
}

bool Store::copyHistoryTo(const QString& target)
{
    // Made under another name and renamed over the previous copy, so a failed copy never costs the last good one.
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    PrivateFiles::createFile(partial); // the copy statement fills an empty file, which keeps it private
    QString escaped = partial;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    const QByteArray copy = "VACUUM main INTO '" + escaped.toUtf8() + "'";
    if (!execute(copy.constData()) ||
        ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

QString Store::errorMessage() const
{
    return QString::fromUtf8(sqlite3_errmsg(db()));
}

void Store::noteFailure(bool whileReading)
{
    if (whileReading)
        m_readFailed = true;
    if (reportsDamage(db()))
        m_damaged = true;
}

bool Store::execute(const char* sql)
{
    return Sqlite::execute(db(), sql);
}
