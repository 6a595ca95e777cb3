#include "Entry.h"

#include "Backup.h"
#include "CommandLine.h"
#include "Commands.h"
#include "InstanceLock.h"
#include "LinuxPlatform.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <cstdio>

Q_LOGGING_CATEGORY(lcDesktop, "app.corvani.Horavane.desktop")

namespace {

void printTo(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Records until the desktop session ends or the process is told to quit.
int record(QCoreApplication& app)
{
    std::unique_ptr<LinuxPlatform> desktop = LinuxPlatform::create();
    if (!desktop) {
        printTo(stderr, QStringLiteral("horavane: cannot open the X display; Horavane needs an X11 session "
                                       "(is DISPLAY set?)\n"));
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
    Backup backup(settings, places, *desktop->platform().clock);
    backup.runIfDue(store.get());
    Tracker tracker(std::move(store), true, desktop->platform(), settings);
    QObject::connect(&tracker, &Tracker::flushed, &backup, [&] { backup.runIfDue(tracker.store()); });
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

} // namespace

int Entry::main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Horavane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));

    const CommandLine command = CommandLine::parse(app.arguments().mid(1));
    if (!command.error.isEmpty()) {
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(command.error) + CommandLine::usage());
        return 2;
    }
    switch (command.action) {
    case CommandLine::Action::help:
        printTo(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Action::version:
        printTo(stdout, QStringLiteral("Horavane %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
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
        printTo(stdout, Commands::report(existingStore(places), command.period, clock, settings));
        return 0;
    }
    case CommandLine::Action::loginItem:
        return setLoginItem(command.loginItem);
    case CommandLine::Action::record:
        break;
    }
    return record(app);
}
