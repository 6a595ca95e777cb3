// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

int argc = 1;
char name[] = "fuzz";
char* argv[] = {name, nullptr};

} // namespace

QString Fuzz::scratchFolder()
{
    // Below /dev/shm when there is one: the targets that need files write one per input.
    static const QTemporaryDir folder(QFile::exists(QStringLiteral("/dev/shm"))
                                          ? QStringLiteral("/dev/shm/horavane-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/horavane-fuzz-XXXXXX"));
    if (!folder.isValid())
        broken("a scratch folder can be made");
    return folder.path();
}

QString Fuzz::writeScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        broken("the scratch file can be written");
    return path;
}

void Fuzz::startGuiApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

void Fuzz::startCoreApplication()
{
    static QCoreApplication application(argc, argv);
}
