// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace Sqlite {

struct CloseDatabase
{
    void operator()(sqlite3* db) const noexcept;
};
struct FinalizeStatement
{
    void operator()(sqlite3_stmt* statement) const noexcept;
};

using DatabaseHandle = std::unique_ptr<sqlite3, CloseDatabase>;

// A prepared statement that is finalized when it goes out of scope.
class Statement
{
public:
    Statement() = default;
    // Prepares sql on db; check isValid() before use.
    Statement(sqlite3* db, const char* sql);

    bool isValid() const { return m_handle != nullptr; }
    sqlite3_stmt* get() const { return m_handle.get(); }

    void bindText(int index, const QString& text);
    void bindInt(int index, qint64 value);
    void bindDouble(int index, double value);
    // One step; returns SQLite's result code (SQLITE_ROW, SQLITE_DONE or an error).
    int step();
    void reset();

    bool isNull(int column) const;
    QString text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;

private:
    std::unique_ptr<sqlite3_stmt, FinalizeStatement> m_handle;
};

// Executes one or more statements; true when all succeeded.
bool execute(sqlite3* db, const char* sql);

} // namespace Sqlite
