#include "Backup.h"

#include "Clock.h"
#include "Period.h"
#include "Places.h"
#include "PrivateFiles.h"
#include "Settings.h"
#include "Store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QThread>
#include <QThreadPool>
#include <QUuid>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// One backup at a time in the whole process, whichever object started it.
bool s_inProgress = false;

const QString folderName = QStringLiteral("Horavane");

QString uniqueName(QLatin1String prefix, QLatin1String suffix)
{
    return prefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + suffix;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

// Creates an empty file only the user may read, so history never sits readable by others, even
// while it is being written. False when the file exists already or cannot be made.
bool createPrivateFile(const QString& path)
{
    const int fd = ::open(nativePath(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
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
    if (!createPrivateFile(to))
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

// The names in a folder, or none when it cannot be read (unlike QDir, which answers "empty").
std::optional<QStringList> listNames(const QString& folder)
{
    DIR* dir = ::opendir(nativePath(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

const QRegularExpression& copyPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\AHoravane (\\d{4}-\\d{2}-\\d{2})\\.sqlite\\z"));
    return pattern;
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
const QString Backup::driveOff = QStringLiteral("iCloud Drive isn't turned on");
const QString Backup::writeFailed = QStringLiteral("Couldn't write to iCloud Drive");

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

    const QString temporaryFolder = m_places.temporaryFolder();
    PrivateFiles::makeFolder(temporaryFolder);
    const QString temp =
        temporaryFolder + QLatin1Char('/') + uniqueName(QLatin1String("horavane-backup-"), QLatin1String(".sqlite"));
    QString escaped = temp;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    const QByteArray copy = "VACUUM INTO '" + escaped.toUtf8() + "'";
    // The copy statement accepts an existing empty file, which lets the copy be private from the start.
    if (!createPrivateFile(temp) || !store->execute(copy.constData())) {
        QFile::remove(temp);
        s_inProgress = false;
        m_settings.setBackupProblem(copyFailed);
        emit finished();
        return;
    }

    const QString name = QLatin1String("Horavane ") + Day::string(now, m_clock.timeZone()) + QLatin1String(".sqlite");
    const QString root = m_places.cloudDriveRoot();
    QPointer<Backup> self(this);
    QThreadPool::globalInstance()->start([temp, name, root, self] {
        std::optional<QString> problem;
        {
            const LowPriority utility;
            problem = place(temp, name, root);
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

std::optional<QString> Backup::place(const QString& temp, const QString& name, const QString& cloudDriveRoot)
{
    struct RemoveTemp
    {
        const QString& path;
        ~RemoveTemp() { QFile::remove(path); }
    } removeTemp{temp};

    if (!QFileInfo::exists(cloudDriveRoot))
        return driveOff;
    const QString folder = cloudDriveRoot + QLatin1Char('/') + folderName;
    if (!PrivateFiles::makeFolder(folder)) // the copies name the sites visited
        return writeFailed;

    // The rename replaces that day's earlier copy in one step, so a failure keeps the old one.
    const QString partial =
        folder + QLatin1Char('/') + uniqueName(QLatin1String(".horavane-"), QLatin1String(".partial"));
    const QString dest = folder + QLatin1Char('/') + name;
    if (!stage(temp, partial) || ::rename(nativePath(partial).constData(), nativePath(dest).constData()) != 0) {
        QFile::remove(partial);
        return writeFailed;
    }
    syncPath(folder, O_RDONLY | O_DIRECTORY); // makes the new name itself durable

    const std::optional<QStringList> names = listNames(folder);
    if (!names)
        return writeFailed;
    for (const QString& old : copiesToRemove(*names, copiesKept))
        QFile::remove(folder + QLatin1Char('/') + old);
    return std::nullopt;
}

QStringList Backup::copiesToRemove(const QStringList& names, int keeping)
{
    QStringList copies;
    for (const QString& name : names) {
        if (copyPattern().match(name).hasMatch())
            copies.append(name);
    }
    if (copies.size() <= keeping)
        return {};
    copies.sort();
    return copies.first(copies.size() - std::max(keeping, 0));
}

QList<Backup::Copy> Backup::available(const Places& places)
{
    const QString folder = places.cloudDriveRoot() + QLatin1Char('/') + folderName;
    QList<Copy> copies;
    for (const QString& name : listNames(folder).value_or(QStringList())) {
        const QRegularExpressionMatch match = copyPattern().match(name);
        if (match.hasMatch())
            copies.append(Copy{folder + QLatin1Char('/') + name, match.captured(1)});
    }
    std::stable_sort(copies.begin(), copies.end(), [](const Copy& a, const Copy& b) { return a.day > b.day; });
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
