// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Updates.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>

namespace {

constexpr qsizetype maxPieces = 4;
constexpr qsizetype maxPieceLength = 6;

// The numbers of a version text, or none when it is not 1 to 4 dot-separated pieces, each of at
// most six ASCII characters that read as a whole number of zero or more (a leading sign allowed).
std::optional<QList<int>> parts(const QString& text)
{
    const QStringList pieces = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (pieces.size() > maxPieces)
        return std::nullopt;
    QList<int> numbers;
    for (const QString& piece : pieces) {
        if (piece.isEmpty() || piece.size() > maxPieceLength)
            return std::nullopt;
        qsizetype i = 0;
        bool negative = false;
        if (piece[0] == QLatin1Char('+') || piece[0] == QLatin1Char('-')) {
            negative = piece[0] == QLatin1Char('-');
            i = 1;
        }
        if (i == piece.size())
            return std::nullopt;
        int value = 0;
        for (; i < piece.size(); ++i) {
            const char16_t c = piece[i].unicode();
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c - u'0');
        }
        if (negative && value != 0)
            return std::nullopt;
        numbers.append(value);
    }
    return numbers;
}

} // namespace

namespace Updates {

QUrl feed()
{
    return QUrl(QStringLiteral("https://horavane.app/version.json"));
}

QUrl page()
{
    return QUrl(QStringLiteral("https://horavane.app/"));
}

std::optional<QString> current()
{
#ifdef HORAVANE_VERSION
    const QString version = QStringLiteral(HORAVANE_VERSION);
    if (!version.isEmpty())
        return version;
#endif
    return std::nullopt;
}

std::optional<QString> latestVersion(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue version = document.object().value(QLatin1String("version"));
    if (!version.isString() || !parts(version.toString()))
        return std::nullopt;
    return version.toString();
}

bool isNewer(const QString& a, const QString& b)
{
    std::optional<QList<int>> newer = parts(a);
    std::optional<QList<int>> older = parts(b);
    if (!newer || !older)
        return false;
    const qsizetype length = std::max(newer->size(), older->size());
    newer->resize(length, 0);
    older->resize(length, 0);
    return *older < *newer;
}

} // namespace Updates
