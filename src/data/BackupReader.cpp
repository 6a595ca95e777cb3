// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupReader.h"

#include "Sqlite.h"

#include <QFile>
#include <QUrl>
#include <QtEndian>

#include <sqlite3.h>

namespace BackupReader {

namespace {

constexpr int headerSize = 100;

// The usage table must be a table of exactly our columns: a view, or a table of another program or
// format, could pass rows that only look like history.
const char* const usageShape =
    "SELECT (SELECT type FROM sqlite_master WHERE name = 'usage') = 'table' AND "
    "(SELECT group_concat(name, ',') FROM (SELECT name FROM pragma_table_info('usage') ORDER BY cid)) "
    "= 'day,kind,id,name,seconds'";
const char* const selectRange = "SELECT day, kind, id, name, seconds FROM usage WHERE day BETWEEN ?1 AND ?2";

// Checks the database header against the file's length: a copy the sync tool is still writing, or
// one cut short, is shorter than the pages its header counts. None when the file looks whole.
std::optional<Fault> wholeFile(QFile& file)
{
    const QByteArray header = file.read(headerSize);
    if (header.size() < headerSize)
        return file.size() == 0 ? Fault::incomplete : Fault::damaged;
    if (!header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return Fault::otherShape;
    const auto bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 rawPageSize = qFromBigEndian<quint16>(bytes + 16);
    const qint64 pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
    const quint32 changeCounter = qFromBigEndian<quint32>(bytes + 24);
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const quint32 validFor = qFromBigEndian<quint32>(bytes + 92);
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        return Fault::damaged;
    // The page count in the header is only trusted when the header says it is current.
    if (pages > 0 && validFor == changeCounter && file.size() < qint64(pages) * pageSize)
        return Fault::incomplete;
    if (file.size() % pageSize != 0)
        return Fault::incomplete;
    return std::nullopt;
}

Result failed(Fault fault)
{
    return Result{{}, fault};
}

} // namespace

Result days(const QString& path, const QString& from, const QString& to)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Fault::incomplete);
    if (const std::optional<Fault> fault = wholeFile(file))
        return failed(*fault);
    file.close();

    // immutable: no lock, no journal, no change of any kind in a folder another program syncs.
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?mode=ro&immutable=1";
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(uri.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const Sqlite::DatabaseHandle db(raw);
    if (opened != SQLITE_OK)
        return failed(Fault::damaged);

    Sqlite::Statement shape(db.get(), usageShape);
    if (!shape.isValid())
        return failed(Fault::damaged);
    if (shape.step() != SQLITE_ROW || shape.integer(0) != 1)
        return failed(Fault::otherShape);

    Sqlite::Statement select(db.get(), selectRange);
    if (!select.isValid())
        return failed(Fault::damaged);
    select.bindText(1, from);
    select.bindText(2, to);
    Result result;
    int step = SQLITE_ROW;
    while ((step = select.step()) == SQLITE_ROW) {
        const std::optional<ItemKind> kind = itemKindFromRaw(select.integer(1));
        if (select.isNull(0) || select.isNull(1) || select.isNull(2) || select.isNull(3) || !kind)
            continue;
        NamedSeconds& entry = result.days[select.text(0)][ItemKey{*kind, select.text(2)}];
        entry.name = select.text(3);
        entry.seconds += select.real(4);
    }
    if (step != SQLITE_DONE)
        return failed(Fault::damaged);
    return result;
}

} // namespace BackupReader
