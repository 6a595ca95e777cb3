// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Backup.h"

#include "Clock.h"
#include "ComputerIdentity.h"
#include "Period.h"
#include "Places.h"
#include "Settings.h"
#include "Store.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSysInfo>
#include <QThread>
#include <QThreadPool>

#include <cmath>

namespace {

// One backup at a time in the whole process, whichever object started it.
bool s_inProgress = false;

// Background work runs at utility priority and leaves the pool thread as it found it.
class LowPriority
{
public:
    LowPriority() : m_previous(QThread::currentThread()->priority())
    {
        QThread::currentThread()->setPriority(QThread::LowPriority);
    }
    ~LowPriority() { QThread::currentThread()->setPriority(m_previous); }
    LowPriority(const LowPriority&) = delete;
    LowPriority& operator=(const LowPriority&) = delete;

private:
    QThread::Priority m_previous;
};

} // namespace

const QString Backup::copyFailed = QString::fromUtf8(QT_TRANSLATE_NOOP("Backup", "Couldn't copy the history"));

QString Backup::shownProblem(const QString& stored)
{
    return QCoreApplication::translate("Backup", stored.toUtf8().constData());
}

Backup::Backup(Settings& settings, const Places& places, const Clock& clock, QObject* parent)
    : QObject(parent), m_settings(settings), m_places(places), m_clock(clock)
{
}

bool Backup::inProgress()
{
    return s_inProgress;
}

void Backup::runIfDue(Store* store)
{
    if (!m_settings.dailyBackup())
        return;
    const QDateTime now = m_clock.now();
    const QTimeZone zone = m_clock.timeZone();
    const double last = m_settings.lastBackup();
    if (std::isfinite(last) && std::abs(last) < 1e14) {
        const QDateTime lastDate = QDateTime::fromMSecsSinceEpoch(qRound64(last * 1000), QTimeZone::utc());
        if (Day::string(lastDate, zone) == Day::string(now, zone))
            return;
    }
    // A clock set back must not hold off backups until it catches up with the last attempt.
    if (m_lastAttempt) {
        const qint64 since = m_lastAttempt->secsTo(now);
        if (since >= 0 && since < retrySeconds)
            return;
    }
    run(store);
}

void Backup::run(Store* store)
{
    if (!claim(store))
        return;
    const std::optional<Placement> placement = prepare(*store);
    if (!placement) {
        finish(copyFailed);
        return;
    }
    QPointer<Backup> self(this);
    QThreadPool::globalInstance()->start([placement = *placement, self] {
        std::optional<QString> problem;
        {
            const LowPriority utility;
            problem = BackupFolder::place(placement.snapshot, placement.name, placement.destination);
        }
        // The application object outlives every backup; the outcome is skipped when this object went
        // away first, but the turn ends either way.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, problem] {
                if (self)
                    self->finish(problem);
                else
                    s_inProgress = false;
            },
            Qt::QueuedConnection);
    });
}

Backup::Outcome Backup::runNow(Store* store)
{
    if (!claim(store))
        return Outcome{{}, shownProblem(copyFailed)};
    const std::optional<Placement> placement = prepare(*store);
    const std::optional<QString> problem =
        placement ? BackupFolder::place(placement->snapshot, placement->name, placement->destination) : copyFailed;
    finish(problem);
    if (problem)
        return Outcome{{}, shownProblem(*problem)};
    const BackupFolder::Destination& destination = placement->destination;
    return Outcome{BackupFolder::computerFolder(destination.backupFolder, destination.computerId) + QLatin1Char('/') +
                       placement->name,
                   std::nullopt};
}

bool Backup::claim(const Store* store)
{
    if (s_inProgress || !store)
        return false;
    s_inProgress = true;
    m_lastAttempt = m_clock.now();
    return true;
}

std::optional<Backup::Placement> Backup::prepare(Store& store) const
{
    const std::optional<QString> snapshot = BackupFolder::snapshot(store, m_places.temporaryFolder());
    if (!snapshot)
        return std::nullopt;
    return Placement{*snapshot, BackupFolder::copyName(Day::string(*m_lastAttempt, m_clock.timeZone())), destination()};
}

BackupFolder::Destination Backup::destination() const
{
    // The application makes the identity from the machine at start; a random one is the fallback.
    const QString id = ComputerIdentity::ensure(m_settings, {}, {});
    return BackupFolder::Destination{m_settings.backupFolder(), id,
                                     ComputerIdentity::name(m_settings, QSysInfo::machineHostName())};
}

void Backup::finish(const std::optional<QString>& problem)
{
    s_inProgress = false;
    if (problem) {
        m_settings.setBackupProblem(*problem);
    } else {
        m_settings.setLastBackup(static_cast<double>(m_clock.now().toMSecsSinceEpoch()) / 1000.0);
        m_settings.setBackupProblem(QString());
    }
    emit finished();
}
