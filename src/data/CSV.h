#pragma once

#include "UsageItem.h"

#include <QList>
#include <QString>

// The recorded history as comma-separated text, one line per stored row, for spreadsheets.
namespace CSV {

// The text unchanged when it holds no comma, double quote or line break; otherwise quoted, with
// every double quote doubled.
QString field(const QString& text);

// The header "Date,Type,Name,Identifier,Seconds", then one line per row in the given order, each
// line ended by a line feed. Save it as UTF-8 without a byte-order mark.
// (Named exportRows because `export` is a reserved word in C++.)
QString exportRows(const QList<UsageRow>& rows);

} // namespace CSV
