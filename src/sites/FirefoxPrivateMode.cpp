// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FirefoxPrivateMode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

namespace {

// A profile's preference files are small; anything larger is not read whole.
constexpr qint64 prefsLimit = 4 * 1024 * 1024;

std::optional<bool> lastSetting(const QByteArray& prefs)
{
    static const QRegularExpression setting(
        QStringLiteral(R"(user_pref\(\s*"browser\.privatebrowsing\.autostart"\s*,\s*(true|false)\s*\))"));
    std::optional<bool> value;
    auto matches = setting.globalMatch(QString::fromUtf8(prefs));
    while (matches.hasNext())
        value = matches.next().captured(1) == QLatin1String("true");
    return value;
}

QByteArray readSmall(const QString& path)
{
    QFile file(path);
    if (file.size() > prefsLimit || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(prefsLimit);
}

} // namespace

bool FirefoxPrivateMode::prefsSayPermanent(const QByteArray& prefs, const QByteArray& userPrefs)
{
    if (const std::optional<bool> user = lastSetting(userPrefs))
        return *user;
    return lastSetting(prefs).value_or(false);
}

bool FirefoxPrivateMode::isPermanent(qint64 pid, const QString& procRoot)
{
    if (pid <= 0)
        return false;
    const QDir descriptors(procRoot + QLatin1Char('/') + QString::number(pid) + QStringLiteral("/fd"));
    const QStringList entries = descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        const QString target = QFileInfo(descriptors.filePath(entry)).symLinkTarget();
        if (!target.endsWith(QStringLiteral("/.parentlock")))
            continue;
        const QString profile = QFileInfo(target).path();
        return prefsSayPermanent(readSmall(profile + QStringLiteral("/prefs.js")),
                                 readSmall(profile + QStringLiteral("/user.js")));
    }
    return false;
}
