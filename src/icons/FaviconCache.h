// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Favicon bytes kept on disk, one file per host, so that a restart finds them without the browsers.
// Every host maps to a file directly inside the folder, whatever characters or length it has.
class FaviconCache
{
public:
    explicit FaviconCache(QString folder);

    const QString& folder() const { return m_folder; }

    // The file name of the host: the host itself when it is a plain lower-case host name, otherwise a
    // percent-encoded form after "~", or "=" and a SHA-256 digest when that would be too long. At most 200 bytes.
    static QString fileName(const QString& host);
    QString filePath(const QString& host) const;

    // The stored bytes, or none when there is no readable file.
    std::optional<QByteArray> read(const QString& host) const;
    // Replaces the host's file in one step, creating the folder; false on failure.
    bool write(const QString& host, const QByteArray& bytes) const;

    // Cached files larger than this are not read.
    static constexpr qint64 maximumBytes = 4 * 1024 * 1024;

private:
    QString m_folder;
};
