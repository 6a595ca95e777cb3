// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProcessInfo.h"

#include <QByteArray>
#include <QList>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// /proc/PID/stat is a few hundred bytes; a name can hold at most 64 of them.
constexpr qsizetype maximumFileSize = 4096;

// The whole of a small /proc file; empty when it cannot be read.
QByteArray readProcFile(qint64 pid, const char* entry)
{
    if (pid <= 0)
        return {};
    const QByteArray path = QByteArray("/proc/") + QByteArray::number(pid) + '/' + entry;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray text(maximumFileSize, Qt::Uninitialized);
    qsizetype length = 0;
    while (length < text.size()) {
        const ssize_t got = ::read(fd, text.data() + length, size_t(text.size() - length));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        length += got;
    }
    ::close(fd);
    text.truncate(length);
    return text;
}

} // namespace

std::optional<qint64> ProcessInfo::parent(qint64 pid)
{
    // "PID (NAME) STATE PPID ...": the name may itself hold ") (", so only the last ')' ends it.
    const QByteArray stat = readProcFile(pid, "stat");
    const qsizetype nameEnd = stat.lastIndexOf(')');
    if (nameEnd < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(nameEnd + 1).simplified().split(' ');
    if (fields.size() < 2)
        return std::nullopt;
    bool ok = false;
    const qint64 parentPid = fields.at(1).toLongLong(&ok);
    if (!ok || parentPid < 0)
        return std::nullopt;
    return parentPid;
}
