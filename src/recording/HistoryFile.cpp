// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryFile.h"

#include "Clock.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

bool renameFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// SQLite's companions of a database file: a hot journal belongs to the file it was written for.
const char* const companions[] = {"-journal", "-wal", "-shm"};

} // namespace

HistoryFile::HistoryFile(QString path, const Clock& clock) : m_path(std::move(path)), m_clock(clock) {}

std::unique_ptr<Store> HistoryFile::open()
{
    Store::OpenFailure failure = Store::OpenFailure::none;
    std::unique_ptr<Store> store = Store::open(m_path, &failure);
    if (store || failure != Store::OpenFailure::damaged)
        return store;
    store.reset();
    if (!moveAside())
        return nullptr;
    return Store::open(m_path);
}

bool HistoryFile::moveAside()
{
    const QFileInfo file(m_path);
    const QString stamp = m_clock.now().toTimeZone(m_clock.timeZone()).toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString stem =
        file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("-damaged-") + stamp;
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    QString target = stem + suffix;
    // Never over an earlier damaged copy: each one may hold days the others lack.
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = stem + QLatin1Char('-') + QString::number(n) + suffix;
    if (!renameFile(m_path, target))
        return false;
    for (const char* companion : companions) {
        const QString from = m_path + QLatin1String(companion);
        if (QFileInfo::exists(from))
            renameFile(from, target + QLatin1String(companion));
    }
    m_movedTo = target;
    return true;
}
