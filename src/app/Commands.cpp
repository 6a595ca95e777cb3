#include "Commands.h"

#include "Backup.h"
#include "BackupComputers.h"
#include "CSV.h"
#include "Clock.h"
#include "DurationText.h"
#include "Platform.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"

#include <QFile>
#include <QSaveFile>

QString Commands::report(std::unique_ptr<Store> store, Period period, Clock& clock, Settings& settings,
                         BackupComputers* others)
{
    // A tracker that is not live only reads: it needs the clock and nothing of the desktop.
    Platform platform;
    platform.clock = &clock;
    const Tracker tracker(std::move(store), false, platform, settings);
    const Summary summary = others ? Summary::merging([&] {
        QList<Summary> days;
        for (const DayUsage& day : others->addedTo(tracker.days(period), tracker.excluded()))
            days.append(day.summary);
        return days;
    }())
                                   : tracker.summary(period);

    QStringList durations;
    qsizetype width = DurationText::string(summary.total).size();
    for (const UsageItem& item : summary.items) {
        durations.append(DurationText::string(item.seconds));
        width = std::max(width, durations.last().size());
    }
    QString text;
    for (qsizetype i = 0; i < summary.items.size(); ++i)
        text += durations[i].rightJustified(width) + QStringLiteral("  ") + summary.items[i].name + QLatin1Char('\n');
    text += DurationText::string(summary.total).rightJustified(width) + QStringLiteral("  Total\n");
    return text;
}

QString Commands::exportCsv(Store* store, const QString& path)
{
    const QByteArray csv = CSV::exportRows(store ? store->allRows() : QList<UsageRow>()).toUtf8();
    if (path == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.flush())
            return QStringLiteral("cannot write to standard output");
        return {};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

std::pair<QString, QString> Commands::backup(Store* store, Settings& settings, const Places& places, const Clock& clock)
{
    if (!store)
        return {{}, QStringLiteral("there is no history to back up yet")};
    Backup backup(settings, places, clock);
    const Backup::Outcome outcome = backup.runNow(store);
    settings.sync();
    if (outcome.problem)
        return {{}, *outcome.problem};
    return {outcome.path, {}};
}
