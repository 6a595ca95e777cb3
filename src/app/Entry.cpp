#include "Entry.h"

#include "AppIcon.h"
#include "BackupComputers.h"
#include "BackupFolder.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ComputerIdentity.h"
#include "HoravaneApp.h"
#include "InstanceLock.h"
#include "LinuxPlatform.h"
#include "Preview.h"
#include "Settings.h"
#include "Store.h"
#include "X11Workspace.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
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
    if (!X11Workspace::displayReachable()) {
        printTo(stderr, QStringLiteral("horavane: cannot open the X display; Horavane needs an X11 session "
                                       "(is DISPLAY set?)\n"));
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb"); // the recorder reads X11; its windows live there too
    QApplication app(argc, argv);
    nameApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral("app.corvani.Horavane"));
    QApplication::setQuitOnLastWindowClosed(false); // the tray item stays when windows close
    QApplication::setWindowIcon(AppIcon::icon());

    std::unique_ptr<LinuxPlatform> desktop = LinuxPlatform::create();
    if (!desktop) {
        printTo(stderr, QStringLiteral("horavane: the X display went away during start\n"));
        return 2;
    }
    const XdgPlaces& places = desktop->places();
    std::unique_ptr<Store> store = Store::open(places.databasePath());
    const InstanceLock lock(places.dataFolder() + QStringLiteral("/horavane.lock"));
    if (lock.state() == InstanceLock::State::heldElsewhere) {
        printTo(stderr, QStringLiteral("Horavane is already running.\n"));
        return 1;
    }
    if (!store)
        qCWarning(lcDesktop) << "Cannot open" << places.databasePath() << "- time is kept in memory only";
    qCInfo(lcDesktop).noquote() << "Desktop sources:" << desktop->sourcesDescription();

    Settings settings(places.settingsFile());
    identifyComputer(settings);
    HoravaneApp horavane(*desktop, std::move(store), settings);
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

// The history for the command line, which must not create a database where there is none.
std::unique_ptr<Store> existingStore(const XdgPlaces& places)
{
    return QFileInfo::exists(places.databasePath()) ? Store::open(places.databasePath()) : nullptr;
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
    case CommandLine::Action::exportCsv: {
        const XdgPlaces places;
        const std::unique_ptr<Store> store = existingStore(places);
        const QString problem = Commands::exportCsv(store.get(), command.path);
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
        printTo(stdout,
                Commands::report(existingStore(places), command.period, clock, settings, others ? &*others : nullptr));
        for (const QString& note : others ? others->notes() : QStringList())
            printTo(stderr, QStringLiteral("horavane: %1\n").arg(note));
        return 0;
    }
    case CommandLine::Action::backup: {
        const XdgPlaces places;
        SystemClock clock;
        Settings settings(places.settingsFile());
        identifyComputer(settings);
        const std::unique_ptr<Store> store = existingStore(places);
        const auto [path, problem] = Commands::backup(store.get(), settings, places, clock);
        if (problem.isEmpty()) {
            printTo(stdout, path + QLatin1Char('\n'));
            return 0;
        }
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(problem));
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
