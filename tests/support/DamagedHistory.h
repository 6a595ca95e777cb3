// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Ways a history file can be broken, as a disk or another program leaves it.
namespace DamagedHistory {

// Garbage from the first byte: not a database at all.
inline void overwriteWhole(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(8192, 'x'));
}

// A sound header and schema but garbage where the usage table's first page is (the second page of a
// file with SQLite's default 4096-byte pages): the file opens, and reading or writing history fails.
inline void overwriteUsagePage(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(4096, '\xa5'));
}

} // namespace DamagedHistory
