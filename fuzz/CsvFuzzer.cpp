// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Recorded names (window titles, application names, hosts) through the CSV export: whatever a name holds,
// a spreadsheet must read back exactly the rows that were exported.
#include "CSV.h"
#include "FuzzSupport.h"

namespace {

bool breaksLine(QChar c)
{
    return c == '\r' || c == '\v' || c == '\f' || c.unicode() == 0x85 || c.unicode() == 0x2028 || c.unicode() == 0x2029;
}

// Reads comma-separated text the way a strict spreadsheet does: quoted fields with doubled quotes, a line
// feed ending every row, any other line break only inside quotes; none when the text is malformed.
std::optional<QList<QStringList>> readCsv(const QString& text)
{
    enum class State { fieldStart, plain, quoted, closed };
    QList<QStringList> rows;
    QStringList row;
    QString field;
    State state = State::fieldStart;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (state == State::quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += c, ++i;
            else
                state = State::closed;
        } else if (c == ',' || c == '\n') {
            row.append(field), field.clear(), state = State::fieldStart;
            if (c == '\n')
                rows.append(row), row.clear();
        } else if (state == State::closed || breaksLine(c) || (c == '"' && state == State::plain)) {
            return std::nullopt;
        } else if (c == '"') {
            state = State::quoted;
        } else {
            field += c, state = State::plain;
        }
    }
    if (state != State::fieldStart || !row.isEmpty())
        return std::nullopt; // every row ends with a line feed
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Fields separated by NUL: name, identifier, name, identifier, ...
    const QList<QByteArray> parts = Fuzz::bytes(data, size).split('\0');
    QList<UsageRow> rows;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const ItemKind kind = i % 4 == 0 ? ItemKind::app : ItemKind::site;
        rows.append({QStringLiteral("2026-03-0%1").arg(i % 9 + 1), ItemKey{kind, QString::fromUtf8(parts[i + 1])},
                     QString::fromUtf8(parts[i]), double(i) * 1.5});
    }
    for (const QByteArray& part : parts) {
        const QString text = QString::fromUtf8(part);
        const std::optional<QList<QStringList>> read = readCsv(CSV::field(text) + '\n');
        FUZZ_REQUIRE(read && read->size() == 1 && read->at(0) == QStringList{text});
    }

    const std::optional<QList<QStringList>> read = readCsv(CSV::exportRows(rows));
    FUZZ_REQUIRE(read && read->size() == rows.size() + 1);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList& line = read->at(i + 1);
        FUZZ_REQUIRE(line.size() == 5 && line[2] == rows[i].name && line[3] == rows[i].key.id);
    }
    return 0;
}
