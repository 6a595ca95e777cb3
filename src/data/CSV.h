// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UsageItem.h"

#include <QList>
#include <QString>
#include <optional>

class QIODevice;
class Store;

// The recorded history as comma-separated text, one line per stored row, for spreadsheets.
namespace CSV {

// The text unchanged when it holds no comma, double quote or line break; otherwise quoted, with
// every double quote doubled.
QString field(const QString& text);

// The header "Date,Type,Name,Identifier,Seconds", then one line per row in the given order, each
// line ended by a line feed. Save it as UTF-8 without a byte-order mark.
// (Named exportRows because `export` is a reserved word in C++.)
QString exportRows(const QList<UsageRow>& rows);

// Why a history could not be exported.
enum class Failure
{
    read,  // the history could not be read to the end
    write, // the text could not be written
};

// Writes the same text for every row of the store (none: an empty history) to out, as UTF-8, a
// piece at a time: the history is never held in memory whole.
std::optional<Failure> write(Store* store, QIODevice& out);
// Writes it to the file at path, readable by the user alone. The file is replaced only once every
// row is written; on any failure an earlier file stays as it was.
std::optional<Failure> save(Store* store, const QString& path);

} // namespace CSV
