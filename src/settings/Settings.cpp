// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Settings.h"

#include <algorithm>

namespace {

// A stored value of the wrong type reads as the default, as if it were absent.
template <typename T> T read(const QSettings& file, QLatin1StringView key, const T& fallback)
{
    const QVariant value = file.value(key);
    if (!value.isValid() || !value.canConvert<T>())
        return fallback;
    bool ok = true;
    T result;
    if constexpr (std::is_same_v<T, double>)
        result = value.toDouble(&ok);
    else if constexpr (std::is_same_v<T, int>)
        result = value.toInt(&ok);
    else if constexpr (std::is_same_v<T, bool>) {
        const QString text = value.toString().toLower();
        ok = text == QLatin1String("true") || text == QLatin1String("false") || text == QLatin1String("1") ||
             text == QLatin1String("0");
        result = value.toBool();
    } else
        result = value.value<T>();
    return ok ? result : fallback;
}

} // namespace

Settings::Settings(const QString& filePath, QObject* parent) : QObject(parent), m_file(filePath, QSettings::IniFormat)
{
    m_showsTimeInTray = read(m_file, SettingKeys::showsTimeInTray.name, m_showsTimeInTray);
    m_idleMinutes = read(m_file, SettingKeys::idleMinutes.name, m_idleMinutes);
    m_chartColors = read(m_file, SettingKeys::chartColors.name, m_chartColors);
    m_dailyBackup = read(m_file, SettingKeys::dailyBackup.name, m_dailyBackup);
    m_lastBackup = read(m_file, SettingKeys::lastBackup.name, m_lastBackup);
    m_backupProblem = read(m_file, SettingKeys::backupProblem.name, m_backupProblem);
    m_backupFolder = read(m_file, SettingKeys::backupFolder.name, m_backupFolder);
    m_computerId = read(m_file, SettingKeys::computerId.name, m_computerId);
    m_computerName = read(m_file, SettingKeys::computerName.name, m_computerName);
    m_settingsTab = read(m_file, SettingKeys::settingsTab.name, m_settingsTab);
    m_hasSeenWelcome = read(m_file, SettingKeys::hasSeenWelcome.name, m_hasSeenWelcome);
    m_hasAskedForAccessibility = read(m_file, SettingKeys::hasAskedForAccessibility.name, m_hasAskedForAccessibility);
    m_warnsBeforeLimit = read(m_file, SettingKeys::warnsBeforeLimit.name, m_warnsBeforeLimit);
    m_limitsCountAllComputers = read(m_file, SettingKeys::limitsCountAllComputers.name, m_limitsCountAllComputers);
    m_remindsOfBreaks = read(m_file, SettingKeys::remindsOfBreaks.name, m_remindsOfBreaks);
    m_breakAfterMinutes = read(m_file, SettingKeys::breakAfterMinutes.name, m_breakAfterMinutes);
    m_breakIdleMinutes = read(m_file, SettingKeys::breakIdleMinutes.name, m_breakIdleMinutes);
    readDailyLimits();
    m_limitNotices = m_file.value(SettingKeys::limitNotices).toStringList();
}

// Entries that do not read as a known kind, a whole number of minutes and an id are left out; of two for the
// same item the later one holds.
void Settings::readDailyLimits()
{
    const QStringList entries = m_file.value(SettingKeys::dailyLimits).toStringList();
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(QLatin1Char(' '));
        bool kindOk = false;
        bool minutesOk = false;
        const int kind = parts.value(0).toInt(&kindOk);
        const int minutes = parts.value(1).toInt(&minutesOk);
        const QString id = entry.section(QLatin1Char(' '), 2);
        if (!kindOk || !minutesOk || (kind != 0 && kind != 1) || id.isEmpty())
            continue;
        const DailyLimit limit{kind, id, std::clamp(minutes, DailyLimit::fewestMinutes, DailyLimit::mostMinutes)};
        m_dailyLimits.removeIf([&](const DailyLimit& other) { return other.kind == kind && other.id == id; });
        m_dailyLimits.append(limit);
    }
}

void Settings::writeDailyLimits()
{
    QStringList entries;
    for (const DailyLimit& limit : std::as_const(m_dailyLimits))
        entries.append(QStringLiteral("%1 %2 %3").arg(limit.kind).arg(limit.minutes).arg(limit.id));
    m_file.setValue(SettingKeys::dailyLimits, entries);
    emit dailyLimitsChanged();
}

void Settings::setDailyLimit(const DailyLimit& limit)
{
    DailyLimit kept = limit;
    kept.minutes = std::clamp(limit.minutes, DailyLimit::fewestMinutes, DailyLimit::mostMinutes);
    for (DailyLimit& existing : m_dailyLimits) {
        if (existing.kind == kept.kind && existing.id == kept.id) {
            if (existing == kept)
                return;
            existing = kept;
            writeDailyLimits();
            return;
        }
    }
    m_dailyLimits.append(kept);
    writeDailyLimits();
}

void Settings::removeDailyLimit(int kind, const QString& id)
{
    if (m_dailyLimits.removeIf([&](const DailyLimit& limit) { return limit.kind == kind && limit.id == id; }) > 0)
        writeDailyLimits();
}

void Settings::setLimitNotices(const QStringList& value)
{
    if (value == m_limitNotices)
        return;
    m_limitNotices = value;
    m_file.setValue(SettingKeys::limitNotices, value);
}

void Settings::setWarnsBeforeLimit(bool value)
{
    assign(m_warnsBeforeLimit, value, SettingKeys::warnsBeforeLimit.name, &Settings::warnsBeforeLimitChanged);
}

void Settings::setLimitsCountAllComputers(bool value)
{
    assign(m_limitsCountAllComputers, value, SettingKeys::limitsCountAllComputers.name,
           &Settings::limitsCountAllComputersChanged);
}

void Settings::setRemindsOfBreaks(bool value)
{
    assign(m_remindsOfBreaks, value, SettingKeys::remindsOfBreaks.name, &Settings::remindsOfBreaksChanged);
}

void Settings::setBreakAfterMinutes(int value)
{
    assign(m_breakAfterMinutes, value, SettingKeys::breakAfterMinutes.name, &Settings::breakAfterMinutesChanged);
}

void Settings::setBreakIdleMinutes(int value)
{
    assign(m_breakIdleMinutes, value, SettingKeys::breakIdleMinutes.name, &Settings::breakIdleMinutesChanged);
}

template <typename T, typename Signal>
void Settings::assign(T& field, const T& value, QLatin1StringView key, Signal changed)
{
    m_file.setValue(key, QVariant::fromValue(value));
    if (field == value)
        return;
    field = value;
    emit(this->*changed)(value);
}

void Settings::setShowsTimeInTray(bool value)
{
    assign(m_showsTimeInTray, value, SettingKeys::showsTimeInTray.name, &Settings::showsTimeInTrayChanged);
}

void Settings::setIdleMinutes(double value)
{
    assign(m_idleMinutes, value, SettingKeys::idleMinutes.name, &Settings::idleMinutesChanged);
}

void Settings::setChartColors(int value)
{
    assign(m_chartColors, value, SettingKeys::chartColors.name, &Settings::chartColorsChanged);
}

void Settings::removeChartColors()
{
    m_file.remove(SettingKeys::chartColors.name);
    if (m_chartColors == SettingKeys::chartColors.defaultValue)
        return;
    m_chartColors = SettingKeys::chartColors.defaultValue;
    emit chartColorsChanged(m_chartColors);
}

void Settings::setDailyBackup(bool value)
{
    assign(m_dailyBackup, value, SettingKeys::dailyBackup.name, &Settings::dailyBackupChanged);
}

void Settings::setLastBackup(double value)
{
    assign(m_lastBackup, value, SettingKeys::lastBackup.name, &Settings::lastBackupChanged);
}

void Settings::setBackupProblem(const QString& value)
{
    assign(m_backupProblem, value, SettingKeys::backupProblem.name, &Settings::backupProblemChanged);
}

void Settings::setBackupFolder(const QString& value)
{
    assign(m_backupFolder, value, SettingKeys::backupFolder.name, &Settings::backupFolderChanged);
}

void Settings::setComputerId(const QString& value)
{
    assign(m_computerId, value, SettingKeys::computerId.name, &Settings::computerIdChanged);
}

void Settings::setComputerName(const QString& value)
{
    assign(m_computerName, value, SettingKeys::computerName.name, &Settings::computerNameChanged);
}

void Settings::setSettingsTab(const QString& value)
{
    assign(m_settingsTab, value, SettingKeys::settingsTab.name, &Settings::settingsTabChanged);
}

void Settings::setHasSeenWelcome(bool value)
{
    assign(m_hasSeenWelcome, value, SettingKeys::hasSeenWelcome.name, &Settings::hasSeenWelcomeChanged);
}

void Settings::setHasAskedForAccessibility(bool value)
{
    assign(m_hasAskedForAccessibility, value, SettingKeys::hasAskedForAccessibility.name,
           &Settings::hasAskedForAccessibilityChanged);
}

void Settings::sync()
{
    m_file.sync();
}

double Settings::idleLimitMinutes(double storedMinutes)
{
    return storedMinutes > 0 ? storedMinutes : SettingKeys::idleMinutes.defaultValue;
}
