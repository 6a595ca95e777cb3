#include "CSV.h"

#include <cmath>

namespace {

// A spreadsheet splits a line on the comma and quote scalars wherever they sit, also when a
// combining mark follows and makes them part of a larger character, so every one of them forces
// quoting. Line breaks always stand as characters of their own (a CR LF pair included).
bool needsQuoting(QChar c)
{
    switch (c.unicode()) {
    case u',':
    case u'"':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

// Halves away from zero, no sign for zero, no grouping.
QString wholeSeconds(double seconds)
{
    const double rounded = std::round(seconds);
    if (rounded == 0 || std::isnan(rounded))
        return QStringLiteral("0");
    return QString::number(rounded, 'f', 0);
}

const QLatin1String header("Date,Type,Name,Identifier,Seconds\n");

} // namespace

namespace CSV {

QString field(const QString& text)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (needsQuoting(c)) {
            quoted = true;
            break;
        }
    }
    if (!quoted)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString exportRows(const QList<UsageRow>& rows)
{
    QString text;
    // About 60 characters a line for typical rows; one allocation for most histories.
    text.reserve(header.size() + rows.size() * 64);
    text += header;
    const QLatin1String website(",Website,");
    const QLatin1String app(",App,");
    for (const UsageRow& row : rows) {
        text += row.day;
        text += row.key.kind == ItemKind::site ? website : app;
        text += field(row.name);
        text += QLatin1Char(',');
        text += field(row.key.id);
        text += QLatin1Char(',');
        text += wholeSeconds(row.seconds);
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace CSV
