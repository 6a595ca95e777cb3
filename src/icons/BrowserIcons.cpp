// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserIcons.h"

#include "Places.h"
#include "PrivateFiles.h"
#include "Sqlite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <array>
#include <sqlite3.h>

namespace BrowserIcons {
namespace {

using namespace Qt::StringLiterals;

struct Row
{
    const char* path;
    Kind kind;
};

// Chromium-family folders below $XDG_CONFIG_HOME.
constexpr std::array<const char*, 16> chromiumConfigFolders{
    "net.imput.helium",
    "chromium",
    "google-chrome",
    "google-chrome-beta",
    "google-chrome-unstable",
    "BraveSoftware/Brave-Browser",
    "BraveSoftware/Brave-Browser-Beta",
    "BraveSoftware/Brave-Browser-Nightly",
    "microsoft-edge",
    "microsoft-edge-beta",
    "microsoft-edge-dev",
    "vivaldi",
    "vivaldi-snapshot",
    "opera",
    "opera-beta",
    "opera-developer",
};

// Gecko-family folders below the home folder (firefox-esr puts new profiles below $XDG_CONFIG_HOME instead).
constexpr std::array<const char*, 5> firefoxHomeFolders{".mozilla/firefox", ".librewolf", ".waterfox", ".floorp",
                                                        ".zen"};

// Flatpak applications keep the same folders inside ~/.var/app/<id>.
constexpr std::array<Row, 14> flatpakRows{{
    {"org.chromium.Chromium/config/chromium", Kind::chromium},
    {"io.github.ungoogled_software.ungoogled_chromium/config/chromium", Kind::chromium},
    {"com.google.Chrome/config/google-chrome", Kind::chromium},
    {"com.google.ChromeDev/config/google-chrome-unstable", Kind::chromium},
    {"com.brave.Browser/config/BraveSoftware/Brave-Browser", Kind::chromium},
    {"com.microsoft.Edge/config/microsoft-edge", Kind::chromium},
    {"com.vivaldi.Vivaldi/config/vivaldi", Kind::chromium},
    {"com.opera.Opera/config/opera", Kind::chromium},
    {"org.mozilla.firefox/config/mozilla/firefox", Kind::firefox},
    {"org.mozilla.firefox/.mozilla/firefox", Kind::firefox},
    {"io.gitlab.librewolf-community/.librewolf", Kind::firefox},
    {"app.zen_browser.zen/.zen", Kind::firefox},
    {"one.ablaze.floorp/.floorp", Kind::firefox},
    {"net.waterfox.waterfox/.waterfox", Kind::firefox},
}};

// Snaps keep their profiles in ~/snap/<name>/common.
constexpr std::array<Row, 2> snapRows{{
    {"chromium/common/chromium", Kind::chromium},
    {"firefox/common/.mozilla/firefox", Kind::firefox},
}};

constexpr const char* chromiumQuery =
    "SELECT b.image_data FROM icon_mapping m JOIN favicon_bitmaps b ON b.icon_id = m.icon_id\n"
    "WHERE m.page_url >= ?1 AND m.page_url < ?2 AND b.image_data IS NOT NULL\n"
    "ORDER BY b.width DESC LIMIT 1";
constexpr const char* firefoxPageQuery =
    "SELECT i.data FROM moz_pages_w_icons p\n"
    "JOIN moz_icons_to_pages l ON l.page_id = p.id JOIN moz_icons i ON i.id = l.icon_id\n"
    "WHERE p.page_url >= ?1 AND p.page_url < ?2 AND i.data IS NOT NULL\n"
    "ORDER BY i.width = 65535, i.width DESC LIMIT 1";
constexpr const char* firefoxRootQuery = "SELECT data FROM moz_icons\n"
                                         "WHERE root = 1 AND icon_url >= ?1 AND icon_url < ?2 AND data IS NOT NULL\n"
                                         "ORDER BY width = 65535, width DESC LIMIT 1";

struct DatedDatabase
{
    Database database;
    QDateTime modified;
};

// When the browser last wrote the database: a running Gecko browser writes only its log for a long time.
std::optional<QDateTime> modificationOf(const QString& file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return std::nullopt;
    QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return std::nullopt;
    const QFileInfo log(file + "-wal"_L1);
    if (log.isFile() && log.lastModified() > modified)
        modified = log.lastModified();
    return modified;
}

QList<const char*> queriesOf(Kind kind)
{
    if (kind == Kind::chromium)
        return {chromiumQuery};
    return {firefoxPageQuery, firefoxRootQuery};
}

// Runs the kind's queries for the four address prefixes of the host, in order; the first icon wins.
std::optional<QByteArray> query(sqlite3* db, Kind kind, const QString& host)
{
    const std::array<QString, 4> prefixes{"https://"_L1 + host, "https://www."_L1 + host, "http://"_L1 + host,
                                          "http://www."_L1 + host};
    for (const char* sql : queriesOf(kind)) {
        Sqlite::Statement statement(db, sql);
        if (!statement.isValid())
            continue; // another layout: the next query or the next database may still answer
        for (const QString& prefix : prefixes) {
            statement.reset();
            // "0" follows "/", so the pair selects exactly the addresses that begin with prefix + "/".
            statement.bindText(1, prefix + u'/');
            statement.bindText(2, prefix + u'0');
            if (statement.step() != SQLITE_ROW || statement.isNull(0))
                continue;
            const int size = sqlite3_column_bytes(statement.get(), 0);
            if (size <= 0 || size > maximumBytes)
                continue;
            const void* data = sqlite3_column_blob(statement.get(), 0);
            if (data)
                return QByteArray(static_cast<const char*>(data), size);
        }
    }
    return std::nullopt;
}

// SQLite asks this every thousand steps of a query; a true answer interrupts it.
int stopRequested(void* stop)
{
    return static_cast<const std::atomic_bool*>(stop)->load() ? 1 : 0;
}

std::optional<QByteArray> lookupFile(const QString& host, const QString& path, Kind kind, const char* parameters,
                                     const std::atomic_bool* stop)
{
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + parameters;
    sqlite3* raw = nullptr;
    const int status = sqlite3_open_v2(uri.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    Sqlite::DatabaseHandle db(raw);
    if (status != SQLITE_OK)
        return std::nullopt;
    if (stop)
        sqlite3_progress_handler(db.get(), 1000, stopRequested, const_cast<std::atomic_bool*>(stop));
    return query(db.get(), kind, host);
}

// A running browser keeps recent icons in the write-ahead log, which an immutable open does not see. The log
// belongs to the browser, so a copy of both files is read instead, in a folder only this user can enter.
std::optional<QByteArray> lookupCopy(const QString& host, const Database& database, Copies& copies,
                                     const std::atomic_bool* stop)
{
    if (QFileInfo(database.path + "-wal"_L1).size() <= 0 || (stop && *stop))
        return std::nullopt;
    const std::shared_ptr<const QTemporaryDir> copy = copies.of(database);
    if (!copy)
        return std::nullopt;
    // Our copy, so SQLite may keep its shared-memory index beside it.
    return lookupFile(host, copy->filePath(databaseName(database.kind)), database.kind, "?mode=ro", stop);
}

// What tells one state of a database from the next: size and time of the file and of its log.
QString stampOf(const QString& path)
{
    QString stamp;
    for (const QFileInfo& info : {QFileInfo(path), QFileInfo(path + "-wal"_L1)})
        stamp += QString::number(info.size()) + u':' + QString::number(info.lastModified().toMSecsSinceEpoch()) + u';';
    return stamp;
}

void appendRows(QList<ProfileRoot>& roots, const QString& base, const auto& rows)
{
    for (const Row& row : rows)
        roots.append({base + u'/' + QLatin1StringView(row.path), row.kind});
}

} // namespace

Folders Folders::from(const Places& places)
{
    Folders folders;
    folders.home = places.homeFolder();
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rule: a relative value is invalid and is ignored.
    folders.configHome = QDir::isAbsolutePath(configured) ? configured : folders.home + "/.config"_L1;
    folders.temporary = places.temporaryFolder();
    folders.copies = std::make_shared<Copies>(folders.temporary);
    return folders;
}

struct Copies::State
{
    struct Copy
    {
        QString stamp;
        std::shared_ptr<const QTemporaryDir> folder;
    };
    QString temporaryFolder;
    QMutex mutex; // held while copying, so that a second search waits for the copy instead of making its own
    QHash<QString, Copy> copies; // by the browser's database path
};

Copies::Copies(QString temporaryFolder) : m_state(std::make_unique<State>())
{
    m_state->temporaryFolder = std::move(temporaryFolder);
}

Copies::~Copies() = default;

std::shared_ptr<const QTemporaryDir> Copies::of(const Database& database)
{
    const QString stamp = stampOf(database.path);
    const QMutexLocker lock(&m_state->mutex);
    State::Copy& copy = m_state->copies[database.path];
    if (copy.folder && copy.stamp == stamp)
        return copy.folder;
    copy = {};
    const QString base = m_state->temporaryFolder.isEmpty() ? QDir::tempPath() : m_state->temporaryFolder;
    PrivateFiles::makeFolder(base);
    auto folder = std::make_shared<QTemporaryDir>(base + "/horavane-favicons-XXXXXX"_L1); // mode 0700
    if (!folder->isValid())
        return nullptr;
    const QString copied = folder->filePath(databaseName(database.kind));
    // QFile::copy gives the copies the browser's modes; ours are the user's alone, like the folder.
    if (!QFile::copy(database.path, copied) || !QFile::copy(database.path + "-wal"_L1, copied + "-wal"_L1) ||
        !PrivateFiles::restrictFile(copied) || !PrivateFiles::restrictFile(copied + "-wal"_L1))
        return nullptr;
    copy = {stamp, folder};
    return folder;
}

QString databaseName(Kind kind)
{
    return kind == Kind::chromium ? u"Favicons"_s : u"favicons.sqlite"_s;
}

QList<ProfileRoot> profileRoots(const Folders& folders)
{
    QList<ProfileRoot> roots;
    for (const char* folder : chromiumConfigFolders)
        roots.append({folders.configHome + u'/' + QLatin1StringView(folder), Kind::chromium});
    roots.append({folders.configHome + "/mozilla/firefox"_L1, Kind::firefox});
    for (const char* folder : firefoxHomeFolders)
        roots.append({folders.home + u'/' + QLatin1StringView(folder), Kind::firefox});
    appendRows(roots, folders.home + "/.var/app"_L1, flatpakRows);
    appendRows(roots, folders.home + "/snap"_L1, snapRows);
    return roots;
}

QList<Database> databases(const Folders& folders)
{
    QList<DatedDatabase> found;
    for (const ProfileRoot& root : profileRoots(folders)) {
        const QString name = u'/' + databaseName(root.kind);
        QStringList candidates{root.path};
        const QDir dir(root.path);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& entry : entries)
            candidates.append(root.path + u'/' + entry);
        for (const QString& candidate : candidates) {
            const QString file = candidate + name;
            if (const auto modified = modificationOf(file))
                found.append({{file, root.kind}, *modified});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const DatedDatabase& a, const DatedDatabase& b) { return a.modified > b.modified; });
    QList<Database> result;
    result.reserve(found.size());
    for (const DatedDatabase& dated : found)
        result.append(dated.database);
    return result;
}

std::optional<QByteArray> lookup(const QString& host, const Database& database, Copies& copies,
                                 const std::atomic_bool* stop)
{
    if (host.isEmpty())
        return std::nullopt;
    // Immutable: no locks and no journal recovery, so the browser keeps writing undisturbed.
    if (auto bytes = lookupFile(host, database.path, database.kind, "?mode=ro&immutable=1", stop))
        return bytes;
    return lookupCopy(host, database, copies, stop);
}

std::optional<QByteArray> lookup(const QString& host, const Database& database, const QString& temporaryFolder)
{
    Copies copies(temporaryFolder);
    return lookup(host, database, copies);
}

std::optional<QByteArray> imageData(const QString& host, const Folders& folders, const std::atomic_bool* stop)
{
    const std::shared_ptr<Copies> copies =
        folders.copies ? folders.copies : std::make_shared<Copies>(folders.temporary);
    for (const Database& database : databases(folders)) {
        if (stop && *stop)
            return std::nullopt;
        if (auto bytes = lookup(host, database, *copies, stop))
            return bytes;
    }
    return std::nullopt;
}

} // namespace BrowserIcons
