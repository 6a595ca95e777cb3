// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CSV.h"

#include "PrivateFiles.h"
#include "Store.h"

#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// A spreadsheet splits a line on the comma and quote scalars wherever they sit, also when a
// combining mark follows and makes them part of a larger character, so every one of them forces
// quoting. Line breaks always stand as characters of their own (a CR LF pair included): in UTF-8,
// the comma, quote, LF, VT, FF, CR, and NEL (C2 85), LINE and PARAGRAPH SEPARATOR (E2 80 A8/A9).
bool needsQuoting(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    for (size_t i = 0; i < size; ++i) {
        switch (bytes[i]) {
        case ',':
        case '"':
        case '\n':
        case '\v':
        case '\f':
        case '\r':
            return true;
        case 0xc2:
            if (i + 1 < size && bytes[i + 1] == 0x85)
                return true;
            break;
        case 0xe2:
            if (i + 2 < size && bytes[i + 1] == 0x80 && (bytes[i + 2] == 0xa8 || bytes[i + 2] == 0xa9))
                return true;
            break;
        default:
            break;
        }
    }
    return false;
}

void appendField(std::string& out, std::string_view text)
{
    if (!needsQuoting(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// Halves away from zero, no sign for zero, no grouping.
void appendWholeSeconds(std::string& out, double seconds)
{
    const double rounded = std::round(seconds);
    if (rounded == 0 || std::isnan(rounded)) {
        out += '0';
        return;
    }
    char digits[400]; // the longest double written without exponent has 309 digits
    std::to_chars_result written{};
    if (std::fabs(rounded) < 1e18)
        written = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(rounded));
    else
        written = std::to_chars(digits, digits + sizeof digits, rounded, std::chars_format::fixed, 0);
    out.append(digits, written.ptr);
}

void appendLine(std::string& out, const Store::RawRow& row)
{
    out += row.day;
    out += row.kind == rawValue(ItemKind::site) ? std::string_view(",Website,") : std::string_view(",App,");
    appendField(out, row.name);
    out += ',';
    appendField(out, row.id);
    out += ',';
    appendWholeSeconds(out, row.seconds);
    out += '\n';
}

constexpr std::string_view header = "Date,Type,Name,Identifier,Seconds\n";
// Large enough that writing costs little next to reading, small enough to stay in the cache.
constexpr size_t pieceBytes = 64 * 1024;

bool writeAll(QIODevice& out, const std::string& piece)
{
    return out.write(piece.data(), static_cast<qint64>(piece.size())) == static_cast<qint64>(piece.size());
}

} // namespace

namespace CSV {

QString field(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!needsQuoting(std::string_view(utf8.constData(), utf8.size())))
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString exportRows(const QList<UsageRow>& rows)
{
    std::string text(header);
    for (const UsageRow& row : rows) {
        const QByteArray day = row.day.toUtf8();
        const QByteArray id = row.key.id.toUtf8();
        const QByteArray name = row.name.toUtf8();
        appendLine(text, Store::RawRow{std::string_view(day.constData(), day.size()), rawValue(row.key.kind),
                                       std::string_view(id.constData(), id.size()),
                                       std::string_view(name.constData(), name.size()), row.seconds});
    }
    return QString::fromStdString(text);
}

std::optional<Failure> write(Store* store, QIODevice& out)
{
    std::string piece;
    piece.reserve(pieceBytes + 4096);
    piece += header;
    bool written = true;
    const bool read = !store || store->eachRow([&](const Store::RawRow& row) {
        appendLine(piece, row);
        if (piece.size() >= pieceBytes) {
            written = writeAll(out, piece);
            piece.clear();
        }
        return written;
    });
    if (!written)
        return Failure::write;
    if (!read)
        return Failure::read;
    if (!writeAll(out, piece))
        return Failure::write;
    return std::nullopt;
}

std::optional<Failure> save(Store* store, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure::write;
    // Private before the first byte: the names of the sites visited are in it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return Failure::write;
    if (const std::optional<Failure> failure = write(store, file)) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return Failure::write;
    return std::nullopt;
}

} // namespace CSV
