// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserIcons.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <sqlite3.h>
#include <stdexcept>

// Favicon databases with the tables the real browsers create, filled the way they fill them.
class FaviconDatabase
{
public:
    FaviconDatabase(const QString& path, BrowserIcons::Kind kind, bool writeAheadLog = false)
        : m_kind(kind), m_path(path)
    {
        QDir().mkpath(QFileInfo(path).path());
        if (sqlite3_open(path.toUtf8().constData(), &m_db) != SQLITE_OK)
            throw std::runtime_error("cannot create a favicon database");
        exec("PRAGMA synchronous=OFF"); // test files need no durability, and syncing makes the tests slow
        if (writeAheadLog)
            exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
        exec(schema(kind));
        if (kind == BrowserIcons::Kind::chromium)
            exec("INSERT INTO meta VALUES('version','9'),('last_compatible_version','9')");
    }
    ~FaviconDatabase() { sqlite3_close_v2(m_db); }
    FaviconDatabase(const FaviconDatabase&) = delete;
    FaviconDatabase& operator=(const FaviconDatabase&) = delete;

    static QByteArray schema(BrowserIcons::Kind kind)
    {
        const char* name = kind == BrowserIcons::Kind::chromium ? "chromium-favicons.sql" : "firefox-favicons.sql";
        QFile file(QStringLiteral(HORAVANE_ICON_FIXTURES "/") + QLatin1StringView(name));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("missing fixture");
        return file.readAll();
    }

    // An icon of the given width shown for a page (Chromium: a favicon with one bitmap; Gecko: an icon
    // mapped to the page).
    void addPageIcon(const QString& pageUrl, int width, const QByteArray& bytes, const QString& iconUrl = {})
    {
        const QString icon = iconUrl.isEmpty() ? pageUrl + QStringLiteral("favicon.ico") : iconUrl;
        if (m_kind == BrowserIcons::Kind::chromium) {
            run("INSERT INTO favicons(url, icon_type) VALUES(?1, 1)", {icon});
            const qint64 iconId = sqlite3_last_insert_rowid(m_db);
            run("INSERT INTO favicon_bitmaps(icon_id, image_data, width, height) VALUES(?1, ?2, ?3, ?3)",
                {QString::number(iconId)}, bytes, width);
            run("INSERT INTO icon_mapping(page_url, icon_id) VALUES(?1, ?2)", {pageUrl, QString::number(iconId)});
            return;
        }
        run("INSERT INTO moz_icons(icon_url, fixed_icon_url_hash, width, data) VALUES(?1, 0, ?3, ?2)", {icon}, bytes,
            width);
        const qint64 iconId = sqlite3_last_insert_rowid(m_db);
        run("INSERT OR IGNORE INTO moz_pages_w_icons(page_url, page_url_hash) VALUES(?1, 0)", {pageUrl});
        run("INSERT INTO moz_icons_to_pages(page_id, icon_id) "
            "SELECT id, ?2 FROM moz_pages_w_icons WHERE page_url = ?1",
            {pageUrl, QString::number(iconId)});
    }

    // A Gecko root icon ("/favicon.ico" of a site), not mapped to any page.
    void addRootIcon(const QString& iconUrl, int width, const QByteArray& bytes, bool root = true)
    {
        run("INSERT INTO moz_icons(icon_url, fixed_icon_url_hash, width, root, data) VALUES(?1, 0, ?3, ?4, ?2)",
            {iconUrl}, bytes, width, root ? 1 : 0);
    }

    void exec(const QByteArray& sql)
    {
        if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

    void close()
    {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }

    const QString& path() const { return m_path; }

private:
    void run(const char* sql, const QStringList& texts, const QByteArray& blob = {}, int width = 0, int flag = 0)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        for (int i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(statement, i + 1, texts[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_bind_parameter_count(statement) >= 2 && !blob.isNull())
            sqlite3_bind_blob(statement, 2, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
        if (sqlite3_bind_parameter_count(statement) >= 3)
            sqlite3_bind_int(statement, 3, width);
        if (sqlite3_bind_parameter_count(statement) >= 4)
            sqlite3_bind_int(statement, 4, flag);
        const int status = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (status != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

    BrowserIcons::Kind m_kind;
    QString m_path;
    sqlite3* m_db = nullptr;
};

// Sets a file's modification time.
inline void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw std::runtime_error("cannot open a fixture to date it");
    file.setFileTime(when, QFileDevice::FileModificationTime);
}
