// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Commands.h"

#include "Backup.h"
#include "BackupComputers.h"
#include "CSV.h"
#include "CapturedText.h"
#include "Clock.h"
#include "DurationText.h"
#include "Platform.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

struct History
{
    std::unique_ptr<Store> store; // none: no history yet
    QString error;
};

QString unreadable(const QString& databasePath, const QString& reason)
{
    //: %1 is the history file, %2 what is wrong with it.
    return QCoreApplication::translate("Commands", "cannot read the history in %1: %2").arg(databasePath, reason);
}

// The history for the command line, which must not create a database where there is none.
History openHistory(const QString& databasePath)
{
    if (!QFileInfo::exists(databasePath))
        return {};
    Store::OpenFailure failure = Store::OpenFailure::none;
    History history{Store::open(databasePath, &failure), {}};
    if (!history.store)
        history.error = unreadable(
            databasePath, failure == Store::OpenFailure::damaged
                              ? QCoreApplication::translate("Commands", "the file is damaged")
                              : QCoreApplication::translate("Commands", "it cannot be opened (locked or unreadable)"));
    return history;
}

// The item's daily limit beside its time, and whether it went over it: by how much on a single day, on how
// many days in a longer period (a limit holds per day, so a week is not held to seven times it).
QString limitNote(const ItemKey& key, const QList<DayUsage>& days, const QList<DailyLimit>& limits)
{
    const auto limit = std::find_if(limits.cbegin(), limits.cend(), [&](const DailyLimit& each) {
        return each.kind == rawValue(key.kind) && each.id == key.id;
    });
    if (limit == limits.cend())
        return {};
    const double limitSeconds = limit->minutes * 60.0;
    const QString limitText = DurationText::string(limitSeconds);
    int daysOver = 0;
    double over = 0;
    for (const DayUsage& day : days) {
        for (const UsageItem& item : day.summary.items) {
            if (item.key == key && item.seconds > limitSeconds) {
                ++daysOver;
                over = item.seconds - limitSeconds;
            }
        }
    }
    if (days.size() == 1 && daysOver == 1)
        //: Beside an item's time in a report; %1 is its daily limit, %2 how much it went over, such as "12m".
        return QCoreApplication::translate("Commands", "(daily limit %1, over by %2)")
            .arg(limitText, DurationText::string(over));
    if (daysOver > 0)
        //: Beside an item's time in a report of several days; %1 is its daily limit.
        return QCoreApplication::translate("Commands", "(daily limit %1, over on %n day(s))", nullptr, daysOver)
            .arg(limitText);
    //: Beside an item's time in a report; %1 is its daily limit.
    return QCoreApplication::translate("Commands", "(daily limit %1)").arg(limitText);
}

} // namespace

Commands::Outcome Commands::report(const QString& databasePath, Period period, Clock& clock, Settings& settings,
                                   BackupComputers* others)
{
    History history = openHistory(databasePath);
    if (!history.error.isEmpty())
        return {{}, history.error};
    const Store* store = history.store.get();
    // A tracker that is not live only reads: it needs the clock and nothing of the desktop.
    Platform platform;
    platform.clock = &clock;
    const Tracker tracker(Tracker::Sampling::whenTold, platform, settings, std::move(history.store));
    const QList<DayUsage> days =
        others ? others->addedTo(tracker.days(period), tracker.excluded()) : tracker.days(period);
    QList<Summary> summaries;
    for (const DayUsage& day : days)
        summaries.append(day.summary);
    const Summary summary = Summary::merging(summaries);
    if (store && store->readFailed())
        return {{}, unreadable(databasePath, store->errorMessage())};

    QStringList durations;
    qsizetype width = DurationText::string(summary.total).size();
    for (const UsageItem& item : summary.items) {
        durations.append(DurationText::string(item.seconds));
        width = std::max(width, durations.last().size());
    }
    QString text;
    // Names recorded by older versions may still hold control characters: none reaches the terminal.
    for (qsizetype i = 0; i < summary.items.size(); ++i) {
        const UsageItem& item = summary.items[i];
        const QString limit = limitNote(item.key, days, settings.dailyLimits());
        text += durations[i].rightJustified(width) + QStringLiteral("  ") + CapturedText::withoutControls(item.name) +
                (limit.isEmpty() ? QString() : QStringLiteral("  ") + limit) + QLatin1Char('\n');
    }
    text += DurationText::string(summary.total).rightJustified(width) + QStringLiteral("  ") +
            QCoreApplication::translate("Commands", "Total", "the last line of a report, below the items") +
            QLatin1Char('\n');
    return {text, {}};
}

QString Commands::exportCsv(const QString& databasePath, const QString& path)
{
    const History history = openHistory(databasePath);
    if (!history.error.isEmpty())
        return history.error;
    std::optional<CSV::Failure> failure;
    if (path == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return QCoreApplication::translate("Commands", "cannot write to standard output");
        failure = CSV::write(history.store.get(), out);
        if (!failure && !out.flush())
            failure = CSV::Failure::write;
        if (failure == CSV::Failure::write)
            return QCoreApplication::translate("Commands", "cannot write to standard output");
    } else {
        failure = CSV::save(history.store.get(), path);
        if (failure == CSV::Failure::write)
            return QCoreApplication::translate("Commands", "cannot write %1", "a file").arg(path);
    }
    if (failure == CSV::Failure::read)
        return unreadable(databasePath, history.store->errorMessage());
    return {};
}

Commands::Outcome Commands::backup(const QString& databasePath, Settings& settings, const Places& places,
                                   const Clock& clock)
{
    const History history = openHistory(databasePath);
    if (!history.error.isEmpty())
        return {{}, history.error};
    if (!history.store)
        return {{}, QCoreApplication::translate("Commands", "there is no history to back up yet")};
    Backup backup(settings, places, clock);
    const Backup::Outcome outcome = backup.runNow(history.store.get());
    settings.sync();
    if (outcome.problem)
        return {{}, *outcome.problem};
    return {outcome.path, {}};
}
