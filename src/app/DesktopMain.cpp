// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopMain.h"

#include "AppIcon.h"
#include "CommandLine.h"
#include "GnomeExtension.h"
#include "HoravaneApp.h"
#include "InstanceLock.h"
#include "Language.h"
#include "LinuxPlatform.h"
#include "OutlinedStyle.h"
#include "Preview.h"
#include "PrivateFiles.h"
#include "Program.h"
#include "RunningInstance.h"
#include "Settings.h"
#include "ThisComputer.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QDBusConnection>
#include <QLoggingCategory>
#include <cstdio>
#include <type_traits>

Q_LOGGING_CATEGORY(lcDesktop, "app.corvani.Horavane.desktop")

namespace {

using Program::nameApplication;
using Program::printTo;

// Records until the desktop session ends or the process is told to quit.
int record(int argc, char** argv, bool opensHistory)
{
    const LinuxPlatform::Session session = LinuxPlatform::session();
    if (session == LinuxPlatform::Session::none) {
        QCoreApplication app(argc, argv); // for the translations only
        Language::installFromEnvironment();
        printTo(stderr, QStringLiteral("horavane: %1\n")
                            .arg(QCoreApplication::translate("DesktopMain",
                                                             "cannot open a Wayland or X display; Horavane needs a "
                                                             "desktop session (is WAYLAND_DISPLAY or DISPLAY set?)")));
        return 2;
    }
    if (session == LinuxPlatform::Session::x11)
        qputenv("QT_QPA_PLATFORM", "xcb"); // the recorder reads X11; its windows live there too
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb"); // native windows, through XWayland only without the plugin
    QApplication app(argc, argv);
    QApplication::setStyle(new OutlinedStyle);
    nameApplication();
    Language::installFromEnvironment();
    QGuiApplication::setDesktopFileName(QStringLiteral("app.corvani.Horavane"));
    QApplication::setQuitOnLastWindowClosed(false); // the tray item stays when windows close
    QApplication::setWindowIcon(AppIcon::icon());

    std::unique_ptr<LinuxPlatform> desktop = LinuxPlatform::create(session);
    if (!desktop) {
        printTo(stderr, QStringLiteral("horavane: %1\n")
                            .arg(QCoreApplication::translate("DesktopMain", "the display went away during start")));
        return 2;
    }
    const XdgPlaces& places = desktop->places();
    PrivateFiles::makeFolder(places.dataFolder()); // for the lock; the history file goes there too
    const InstanceLock lock(places.dataFolder() + QStringLiteral("/horavane.lock"));
    if (lock.state() == InstanceLock::State::heldElsewhere) {
        // "--history" (the desktop entry's action) opens the running program's history window.
        if (opensHistory && RunningInstance::showHistoryOfRunning(QDBusConnection::sessionBus()))
            return 0;
        printTo(stderr, QCoreApplication::translate("DesktopMain", "Horavane is already running.") + u'\n');
        return 1;
    }
    Settings settings(places.settingsFile());
    desktop->setIdleLimit(settings.idleMinutes());
    QObject::connect(&settings, &Settings::idleMinutesChanged, &app,
                     [&desktop](double minutes) { desktop->setIdleLimit(minutes); });
    ThisComputer::identify(settings);
    HoravaneApp horavane(*desktop, settings); // after the lock: only one recorder ever touches the file
    qCInfo(lcDesktop).noquote() << "Desktop sources:" << desktop->sourcesDescription();
    if (opensHistory)
        horavane.showHistory();
    return app.exec();
}

// Puts the GNOME Shell extension of the running (or installed) shell's version in the user's extensions folder and
// switches it on, as the in-app button does.
int installGnomeExtension(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Language::installFromEnvironment();
    const GnomeExtension::Enabled enabled =
        GnomeExtension::enable(QDBusConnection::sessionBus(), GnomeExtension::Reinstall::always);
    if (enabled.problem) {
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(*enabled.problem));
        return 1;
    }
    //: %1 is a folder.
    const QString later =
        QCoreApplication::translate("DesktopMain", "Installed the extension in %1 and enabled it. GNOME Shell "
                                                   "starts it when you log in: log out and back in.");
    //: %1 is a folder.
    const QString now = QCoreApplication::translate("DesktopMain", "Installed the extension in %1 and enabled it: it "
                                                                   "runs now.");
    printTo(stdout, (enabled.atNextLogIn ? later : now).arg(GnomeExtension::installedFolder()) + u'\n');
    return 0;
}

} // namespace

// The program has parsed the command line and calls here only for the actions that need the desktop's libraries.
extern "C" __attribute__((visibility("default"))) int horavane_desktop_main(int argc, char** argv,
                                                                            const CommandLine& command)
{
    if (command.action == CommandLine::Action::preview)
        return Preview::run(argc, argv, command.preview);
    if (command.action == CommandLine::Action::installGnomeExtension)
        return installGnomeExtension(argc, argv);
    return record(argc, argv, command.opensHistory);
}
static_assert(std::is_same_v<decltype(&horavane_desktop_main), DesktopMain::Function>);
