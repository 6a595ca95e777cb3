// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>

class Places;
class QTemporaryDir;

// Favicons that the user's own browsers have stored, read from their profile databases without ever
// writing to them. Stateless; every call blocks on files and SQLite, so it runs off the main thread.
namespace BrowserIcons {

// The database layout to expect.
enum class Kind
{
    chromium, // "Favicons"
    firefox,  // "favicons.sqlite"
};

// A folder that holds profiles of one browser (or is one), as an absolute path.
struct ProfileRoot
{
    QString path;
    Kind kind = Kind::chromium;

    bool operator==(const ProfileRoot&) const = default;
};

// One favicon database file.
struct Database
{
    QString path;
    Kind kind = Kind::chromium;

    bool operator==(const Database&) const = default;
};

// Private copies of the databases that a running browser holds in its write-ahead log, each made once
// per change of the database (its file or its log) and shared by every lookup until then: a list of
// sites without icons must not copy megabytes for each of them. Any thread.
class Copies
{
public:
    explicit Copies(QString temporaryFolder);
    ~Copies();
    // A folder holding a current copy of the database's file and log under the database's own name;
    // none when it cannot be made. The folder lasts while the pointer is held.
    std::shared_ptr<const QTemporaryDir> of(const Database& database);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Where the browsers' folders are looked for, and where a private copy may be made.
struct Folders
{
    QString home;                   // the user's home folder
    QString configHome;             // $XDG_CONFIG_HOME, or home + "/.config" when unset or not absolute
    QString temporary;              // scratch space for copies of databases that a running browser holds in its log
    std::shared_ptr<Copies> copies; // made in temporary; shared by the copies of this value

    // The home and scratch folders of the places, the configuration folder from the environment.
    static Folders from(const Places& places);
};

// "Favicons" or "favicons.sqlite".
QString databaseName(Kind kind);

// Every profile root in search order: the browsers' own folders, then their Flatpak and their snap homes.
QList<ProfileRoot> profileRoots(const Folders& folders);

// The database files of all profile roots, the most recently written first; equal times keep root order.
QList<Database> databases(const Folders& folders);

// The bytes of the widest icon recorded in the database for pages (or, in Gecko's layout, site root
// icons) of the host under http or https, with or without "www."; none when there is none or the file
// cannot be read. A database that a running browser holds in write-ahead mode is read from a private copy.
// The host is matched as written: browsers store internationalised hosts in their ASCII ("xn--") form, the
// form site hosts take. A stop flag that turns true ends the lookup early, with none.
std::optional<QByteArray> lookup(const QString& host, const Database& database, Copies& copies,
                                 const std::atomic_bool* stop = nullptr);
// The same with a copy of its own, made in temporaryFolder and removed on return.
std::optional<QByteArray> lookup(const QString& host, const Database& database, const QString& temporaryFolder);

// The first icon any database has for the host (already reduced to a site host), newest database first;
// none as soon as the stop flag turns true.
std::optional<QByteArray> imageData(const QString& host, const Folders& folders,
                                    const std::atomic_bool* stop = nullptr);

// Stored icons larger than this are passed over: no browser keeps a favicon anywhere near it.
constexpr qsizetype maximumBytes = 4 * 1024 * 1024;

} // namespace BrowserIcons
