// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopModule.h"

#include "DesktopMain.h"
#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <dlfcn.h>

namespace {

// The module beside the program (a build folder), else where installing puts it relative to the program.
QStringList candidates()
{
    // Without a QCoreApplication the program's own path comes from the kernel.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QDir folder = QFileInfo(program).absoluteDir();
    const QString name = QStringLiteral(HORAVANE_DESKTOP_MODULE);
    return {folder.filePath(name),
            QDir::cleanPath(folder.filePath(QStringLiteral(HORAVANE_MODULE_FOLDER)) + QLatin1Char('/') + name)};
}

} // namespace

int DesktopModule::run(int argc, char** argv, const CommandLine& command)
{
    QString loadError;
    QString withoutEntry; // a module that lacks the entry function
    for (const QString& path : candidates()) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: the module's threads and Qt's plugins may outlive its entry function.
        void* module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            loadError = QString::fromLocal8Bit(::dlerror());
            break;
        }
        if (auto* entry = reinterpret_cast<DesktopMain::Function>(::dlsym(module, DesktopMain::symbol)))
            return entry(argc, argv, command);
        withoutEntry = path;
        break;
    }
    QCoreApplication app(argc, argv); // for the translations only
    Language::installFromEnvironment();
    QString problem = loadError;
    if (problem.isEmpty() && !withoutEntry.isEmpty())
        //: %1 is a file that lacks the function that starts it.
        problem = QCoreApplication::translate("DesktopModule", "%1 has no entry").arg(withoutEntry);
    else if (problem.isEmpty())
        //: %1 is a file name.
        problem =
            QCoreApplication::translate("DesktopModule", "%1 is missing").arg(QStringLiteral(HORAVANE_DESKTOP_MODULE));
    //: %1 says what went wrong.
    const QString message =
        QCoreApplication::translate("DesktopModule", "cannot load the desktop part: %1").arg(problem);
    std::fputs(QStringLiteral("horavane: %1\n").arg(message).toLocal8Bit().constData(), stderr);
    return 2;
}
