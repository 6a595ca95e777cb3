// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FaviconCache.h"

#include "PrivateFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace {

using namespace Qt::StringLiterals;

// Well below the 255 bytes of common file systems, leaving room for the suffix of an atomic save.
constexpr qsizetype maximumNameBytes = 200;

// Letters, digits, '-', '_' and '.', starting with a letter, digit or '_': never ".", "..", hidden,
// and never the first character of an encoded name.
bool isPlainHost(const QString& host)
{
    if (host.isEmpty() || host.size() > maximumNameBytes)
        return false;
    for (qsizetype i = 0; i < host.size(); ++i) {
        const char16_t c = host[i].unicode();
        const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
        const bool inner = c == u'-' || c == u'.';
        if (!letterOrDigit && c != u'_' && !(inner && i > 0))
            return false;
    }
    return true;
}

} // namespace

FaviconCache::FaviconCache(QString folder) : m_folder(std::move(folder)) {}

QString FaviconCache::fileName(const QString& host)
{
    if (isPlainHost(host))
        return host;
    // Percent-encoding leaves only letters, digits and "-._~", so no '/' and no "." or "..".
    const QByteArray encoded = QUrl::toPercentEncoding(host);
    if (encoded.size() + 1 <= maximumNameBytes)
        return u'~' + QString::fromLatin1(encoded);
    return u'=' + QString::fromLatin1(QCryptographicHash::hash(host.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString FaviconCache::filePath(const QString& host) const
{
    return m_folder + u'/' + fileName(host);
}

std::optional<QByteArray> FaviconCache::read(const QString& host) const
{
    QFile file(filePath(host));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumBytes)
        return std::nullopt;
    QByteArray bytes = file.read(maximumBytes + 1);
    if (bytes.isEmpty() || bytes.size() > maximumBytes)
        return std::nullopt;
    return bytes;
}

bool FaviconCache::write(const QString& host, const QByteArray& bytes) const
{
    // The file names are the sites visited: folder and files are the user's alone.
    PrivateFiles::makeFolder(m_folder);
    QSaveFile file(filePath(host));
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    file.write(bytes);
    return file.commit();
}
