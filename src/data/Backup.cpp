#include "Backup.h"

#include "BackupFolder.h"
#include "Clock.h"
#include "ComputerIdentity.h"
#include "Period.h"
#include "Places.h"
#include "PlatformTexts.h"
#include "PrivateFiles.h"
#include "Settings.h"
#include "Store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QSysInfo>
#include <QThread>
#include <QThreadPool>
#include <QUuid>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One backup at a time in the whole process, whichever object started it.
bool s_inProgress = false;

QString uniqueName(QLatin1String prefix, QLatin1String suffix)
{
    return prefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + suffix;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(nativePath(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Copies a file's bytes to a new private file at to; a partial result is removed.
bool copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    if (!PrivateFiles::createFile(to))
        return false;
    QFile target(to);
    bool copied = target.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    while (copied) {
        const qint64 read = source.read(chunk.data(), chunk.size());
        if (read <= 0) {
            copied = read == 0;
            break;
        }
        copied = target.write(chunk.constData(), read) == read;
    }
    copied = copied && target.flush();
    target.close();
    if (!copied)
        QFile::remove(to);
    return copied;
}

// Brings the finished copy into the backup folder under a name no reader looks at, on disk for
// good: a rename when both folders share a file system, a copy otherwise.
bool stage(const QString& temp, const QString& partial)
{
    if (::rename(nativePath(temp).constData(), nativePath(partial).constData()) != 0 && !copyFile(temp, partial))
        return false;
    return syncPath(partial, O_RDONLY);
}

// A folder of the backup, made private to the user when it is made here; an existing folder is fine.
bool makeFolder(const QString& path)
{
    if (::mkdir(nativePath(path).constData(), 0700) == 0 || errno == EEXIST)
        return QFileInfo(path).isDir();
    return false;
}

// Tells the other computers this one's name, rewriting the file only when the name changed.
void writeName(const QString& folder, const QString& name)
{
    const QString path = folder + QLatin1Char('/') + BackupFolder::nameFile;
    QFile current(path);
    const QByteArray wanted = name.toUtf8() + '\n';
    if (current.open(QIODevice::ReadOnly) && current.read(wanted.size() + 1) == wanted)
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(wanted) == wanted.size() && file.commit())
        PrivateFiles::restrictFile(path);
}

// Removes what a run that died midway left in this computer's folder; copies are never touched.
void removeStalePartials(const QString& folder, const QStringList& names)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (BackupFolder::isStalePartial(name, QFileInfo(path).lastModified().toUTC(), now))
            QFile::remove(path);
    }
}

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

const QString Backup::copyFailed = QStringLiteral("Couldn't copy the history");

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
    if (!m_settings.backsUpToICloud())
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
    if (s_inProgress || !store)
        return;
    s_inProgress = true;
    const QDateTime now = m_clock.now();
    m_lastAttempt = now;
    const std::optional<QString> temp = copyDatabase(*store);
    if (!temp)
        return;

    const QString name = copyName(Day::string(now, m_clock.timeZone()));
    const Destination destination = this->destination();
    QPointer<Backup> self(this);
    QThreadPool::globalInstance()->start([temp = *temp, name, destination, self] {
        std::optional<QString> problem;
        {
            const LowPriority utility;
            problem = place(temp, name, destination);
        }
        // The application object outlives every backup; the guard skips the outcome when this
        // object went away first, but the process-wide flag is cleared either way.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, problem] {
                s_inProgress = false;
                if (self)
                    self->finish(problem);
            },
            Qt::QueuedConnection);
    });
}

Backup::Outcome Backup::runNow(Store* store)
{
    if (s_inProgress || !store)
        return Outcome{{}, copyFailed};
    s_inProgress = true;
    const QDateTime now = m_clock.now();
    m_lastAttempt = now;
    const std::optional<QString> temp = copyDatabase(*store);
    if (!temp)
        return Outcome{{}, copyFailed};
    const QString name = copyName(Day::string(now, m_clock.timeZone()));
    const Destination destination = this->destination();
    const std::optional<QString> problem = place(*temp, name, destination);
    s_inProgress = false;
    finish(problem);
    if (problem)
        return Outcome{{}, problem};
    return Outcome{BackupFolder::computerFolder(destination.backupFolder, destination.computerId) + QLatin1Char('/') +
                       name,
                   std::nullopt};
}

std::optional<QString> Backup::copyDatabase(Store& store)
{
    const QString temporaryFolder = m_places.temporaryFolder();
    PrivateFiles::makeFolder(temporaryFolder);
    const QString temp =
        temporaryFolder + QLatin1Char('/') + uniqueName(QLatin1String("horavane-backup-"), QLatin1String(".sqlite"));
    QString escaped = temp;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    const QByteArray copy = "VACUUM INTO '" + escaped.toUtf8() + "'";
    // The copy statement accepts an existing empty file, which lets the copy be private from the start.
    if (!PrivateFiles::createFile(temp) || !store.execute(copy.constData())) {
        QFile::remove(temp);
        s_inProgress = false;
        m_settings.setBackupProblem(copyFailed);
        emit finished();
        return std::nullopt;
    }
    return temp;
}

Backup::Destination Backup::destination() const
{
    // The application makes the identity from the machine at start; a random one is the fallback.
    const QString id = ComputerIdentity::ensure(m_settings, {}, {});
    return Destination{m_settings.backupFolder(), id, ComputerIdentity::name(m_settings, QSysInfo::machineHostName())};
}

QString Backup::copyName(const QString& day)
{
    return QLatin1String("Horavane ") + day + QLatin1String(".sqlite");
}

void Backup::finish(const std::optional<QString>& problem)
{
    if (problem) {
        m_settings.setBackupProblem(*problem);
    } else {
        m_settings.setLastBackup(static_cast<double>(m_clock.now().toMSecsSinceEpoch()) / 1000.0);
        m_settings.setBackupProblem(QString());
    }
    emit finished();
}

std::optional<QString> Backup::place(const QString& temp, const QString& name, const Destination& destination)
{
    struct RemoveTemp
    {
        const QString& path;
        ~RemoveTemp() { QFile::remove(path); }
    } removeTemp{temp};

    // The chosen folder must be there already: a sync folder that is not mounted gets no empty stand-in.
    if (const std::optional<QString> problem = BackupFolder::problem(destination.backupFolder))
        return problem;
    if (!ComputerIdentity::isValid(destination.computerId))
        return PlatformTexts::backupWriteFailed();
    const QString folder = BackupFolder::computerFolder(destination.backupFolder, destination.computerId);
    if (!makeFolder(BackupFolder::root(destination.backupFolder)) || !makeFolder(folder))
        return PlatformTexts::backupWriteFailed();
    writeName(folder, destination.computerName);

    // The rename replaces that day's earlier copy in one step, so a failure keeps the old one.
    const QString partial = folder + QLatin1Char('/') + BackupFolder::partialName();
    const QString dest = folder + QLatin1Char('/') + name;
    if (!stage(temp, partial) || ::rename(nativePath(partial).constData(), nativePath(dest).constData()) != 0) {
        QFile::remove(partial);
        return PlatformTexts::backupWriteFailed();
    }
    syncPath(folder, O_RDONLY | O_DIRECTORY); // makes the new name itself durable

    const std::optional<QStringList> names = BackupFolder::listNames(folder);
    if (!names)
        return PlatformTexts::backupWriteFailed();
    for (const QString& old : copiesToRemove(*names, copiesKept))
        QFile::remove(folder + QLatin1Char('/') + old);
    removeStalePartials(folder, *names);
    return std::nullopt;
}

QStringList Backup::copiesToRemove(const QStringList& names, int keeping)
{
    QStringList copies;
    for (const QString& name : names) {
        if (BackupFolder::copyDay(name))
            copies.append(name);
    }
    if (copies.size() <= keeping)
        return {};
    copies.sort();
    return copies.first(copies.size() - std::max(keeping, 0));
}

QList<Backup::Copy> Backup::available(const QString& backupFolder, const QString& thisComputerId)
{
    QList<BackupFolder::Computer> computers = BackupFolder::computers(backupFolder);
    // This computer first, then the others by name as a person would sort them.
    std::stable_sort(computers.begin(), computers.end(),
                     [&](const BackupFolder::Computer& a, const BackupFolder::Computer& b) {
                         if ((a.id == thisComputerId) != (b.id == thisComputerId))
                             return a.id == thisComputerId;
                         return QString::localeAwareCompare(a.name, b.name) < 0;
                     });
    QList<Copy> copies;
    for (const BackupFolder::Computer& computer : std::as_const(computers)) {
        QList<Copy> own;
        for (const QString& name : BackupFolder::listNames(computer.folder).value_or(QStringList())) {
            if (const std::optional<QString> day = BackupFolder::copyDay(name))
                own.append(Copy{computer.folder + QLatin1Char('/') + name, *day, computer.id, computer.name});
        }
        std::stable_sort(own.begin(), own.end(), [](const Copy& a, const Copy& b) { return a.day > b.day; });
        copies.append(own);
    }
    return copies;
}

std::optional<QString> Backup::fetch(const Copy& copy, const Places& places)
{
    const QString folder = places.temporaryFolder();
    PrivateFiles::makeFolder(folder);
    const QString temp =
        folder + QLatin1Char('/') + uniqueName(QLatin1String("horavane-restore-"), QLatin1String(".sqlite"));
    if (!copyFile(copy.url, temp))
        return std::nullopt;
    return temp;
}
