#include "Entry.h"

#include "AppIcon.h"
#include "BackupComputers.h"
#include "BackupFolder.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ComputerIdentity.h"
#include "GnomeExtension.h"
#include "HoravaneApp.h"
#include "InstanceLock.h"
#include "LinuxPlatform.h"
#include "Preview.h"
#include "PrivateFiles.h"
#include "Settings.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QLoggingCategory>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcDesktop, "app.corvani.Horavane.desktop")

namespace {

void printTo(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Horavane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));
}

// Gives this computer its lasting identity in shared backup folders, once, from the machine's id.
void identifyComputer(Settings& settings)
{
    QByteArray machineId;
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly) && !(machineId = file.read(64).trimmed()).isEmpty())
            break;
    }
    const passwd* user = ::getpwuid(::getuid());
    ComputerIdentity::ensure(settings, machineId, user ? QString::fromLocal8Bit(user->pw_name) : QString());
}

// Records until the desktop session ends or the process is told to quit.
int record(int argc, char** argv, bool opensHistory)
{
    const LinuxPlatform::Session session = LinuxPlatform::session();
    if (session == LinuxPlatform::Session::none) {
        printTo(stderr, QStringLiteral("horavane: cannot open a Wayland or X display; Horavane needs a desktop "
                                       "session (is WAYLAND_DISPLAY or DISPLAY set?)\n"));
        return 2;
    }
    if (session == LinuxPlatform::Session::x11)
        qputenv("QT_QPA_PLATFORM", "xcb"); // the recorder reads X11; its windows live there too
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb"); // native windows, through XWayland only without the plugin
    QApplication app(argc, argv);
    nameApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral("app.corvani.Horavane"));
    QApplication::setQuitOnLastWindowClosed(false); // the tray item stays when windows close
    QApplication::setWindowIcon(AppIcon::icon());

    std::unique_ptr<LinuxPlatform> desktop = LinuxPlatform::create();
    if (!desktop) {
        printTo(stderr, QStringLiteral("horavane: the display went away during start\n"));
        return 2;
    }
    const XdgPlaces& places = desktop->places();
    PrivateFiles::makeFolder(places.dataFolder()); // for the lock; the history file goes there too
    const InstanceLock lock(places.dataFolder() + QStringLiteral("/horavane.lock"));
    if (lock.state() == InstanceLock::State::heldElsewhere) {
        // "--history" (the desktop entry's action) opens the running program's history window.
        if (opensHistory && QDBusConnection::sessionBus()
                                    .call(QDBusMessage::createMethodCall(HoravaneApp::busName,
                                                                         QStringLiteral("/app/corvani/Horavane"),
                                                                         HoravaneApp::busName,
                                                                         QStringLiteral("showHistory")))
                                    .type() == QDBusMessage::ReplyMessage)
            return 0;
        printTo(stderr, QStringLiteral("Horavane is already running.\n"));
        return 1;
    }
    qCInfo(lcDesktop).noquote() << "Desktop sources:" << desktop->sourcesDescription();

    Settings settings(places.settingsFile());
    desktop->setIdleLimit(settings.idleMinutes());
    QObject::connect(&settings, &Settings::idleMinutesChanged, &app,
                     [&desktop](double minutes) { desktop->setIdleLimit(minutes); });
    identifyComputer(settings);
    HoravaneApp horavane(*desktop, settings); // after the lock: only one recorder ever touches the file
    if (opensHistory)
        horavane.showHistory();
    return app.exec();
}

// Turns opening at login on or off ("on", "off"; anything else only reports), then prints the state.
int setLoginItem(const QString& value)
{
    XdgAutostart autostart;
    std::optional<QString> failure;
    if (value == QLatin1String("on"))
        failure = autostart.enable();
    else if (value == QLatin1String("off"))
        failure = autostart.disable();
    if (failure)
        printTo(stdout, QStringLiteral("failed: %1\n").arg(*failure));
    printTo(stdout, autostart.isEnabled() ? QStringLiteral("on\n") : QStringLiteral("off\n"));
    return 0;
}

// Puts the GNOME Shell extension of the running (or installed) shell's version in the user's extensions folder.
int installGnomeExtension()
{
    if (const std::optional<QString> problem =
            GnomeExtension::install(GnomeExtension::shellVersion(QDBusConnection::sessionBus()))) {
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(*problem));
        return 1;
    }
    printTo(stdout, QStringLiteral("Installed the extension in %1.\nEnable it with \"gnome-extensions enable %2\", "
                                   "then log out and back in.\n")
                        .arg(GnomeExtension::installedFolder(), GnomeExtension::uuid));
    return 0;
}

// What the command line does without the desktop.
int runCommand(const CommandLine& command)
{
    switch (command.action) {
    case CommandLine::Action::help:
        printTo(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Action::version:
        printTo(stdout, QStringLiteral("Horavane %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    case CommandLine::Action::loginItem:
        return setLoginItem(command.loginItem);
    case CommandLine::Action::installGnomeExtension:
        return installGnomeExtension();
    case CommandLine::Action::exportCsv: {
        const XdgPlaces places;
        const QString problem = Commands::exportCsv(places.databasePath(), command.path);
        if (problem.isEmpty())
            return 0;
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(problem));
        return 1;
    }
    case CommandLine::Action::report: {
        const XdgPlaces places;
        SystemClock clock;
        Settings settings(places.settingsFile());
        std::optional<BackupComputers> others;
        if (command.allComputers) {
            identifyComputer(settings);
            if (const std::optional<QString> problem = BackupFolder::problem(settings.backupFolder()))
                printTo(stderr, QStringLiteral("horavane: %1; showing this computer only\n").arg(*problem));
            others.emplace(settings);
            others->refresh();
        }
        const Commands::Outcome report = Commands::report(places.databasePath(), command.period, clock, settings,
                                                          others ? &*others : nullptr);
        if (!report.error.isEmpty()) {
            printTo(stderr, QStringLiteral("horavane: %1\n").arg(report.error));
            return 1;
        }
        printTo(stdout, report.output);
        for (const QString& note : others ? others->notes() : QStringList())
            printTo(stderr, QStringLiteral("horavane: %1\n").arg(note));
        return 0;
    }
    case CommandLine::Action::backup: {
        const XdgPlaces places;
        SystemClock clock;
        Settings settings(places.settingsFile());
        identifyComputer(settings);
        const Commands::Outcome backup = Commands::backup(places.databasePath(), settings, places, clock);
        if (backup.error.isEmpty()) {
            printTo(stdout, backup.output + QLatin1Char('\n'));
            return 0;
        }
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(backup.error));
        return 1;
    }
    case CommandLine::Action::record:
        break;
    }
    return 0;
}

} // namespace

int Entry::main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.contains(QLatin1String("--preview")))
        return Preview::run(argc, argv, PreviewOptions::parse(arguments));
    const CommandLine command = CommandLine::parse(arguments);
    if (!command.error.isEmpty()) {
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(command.error) + CommandLine::usage());
        return 2;
    }
    if (command.action == CommandLine::Action::record)
        return record(argc, argv, command.opensHistory);
    QCoreApplication app(argc, argv);
    nameApplication();
    return runCommand(command);
}
