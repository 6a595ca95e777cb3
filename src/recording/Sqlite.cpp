// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sqlite.h"

#include <sqlite3.h>

namespace Sqlite {

void CloseDatabase::operator()(sqlite3* db) const noexcept
{
    sqlite3_close_v2(db);
}

void FinalizeStatement::operator()(sqlite3_stmt* statement) const noexcept
{
    sqlite3_finalize(statement);
}

Statement::Statement(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK)
        m_handle.reset(statement);
    else
        sqlite3_finalize(statement);
}

void Statement::bindText(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(get(), index, utf8.constData(), -1, SQLITE_TRANSIENT);
}

void Statement::bindInt(int index, qint64 value)
{
    sqlite3_bind_int64(get(), index, value);
}

void Statement::bindDouble(int index, double value)
{
    sqlite3_bind_double(get(), index, value);
}

int Statement::step()
{
    return sqlite3_step(get());
}

void Statement::reset()
{
    sqlite3_reset(get());
    sqlite3_clear_bindings(get());
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(get(), column) == SQLITE_NULL;
}

QString Statement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(get(), column));
    return QString::fromUtf8(data, sqlite3_column_bytes(get(), column));
}

qint64 Statement::integer(int column) const
{
    return sqlite3_column_int64(get(), column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(get(), column);
}

bool execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace Sqlite
