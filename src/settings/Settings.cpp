#include "Settings.h"

namespace {

// A stored value of the wrong type reads as the default, as if it were absent.
template <typename T>
T read(const QSettings& file, QLatin1StringView key, const T& fallback)
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

Settings::Settings(const QString& filePath, QObject* parent)
    : QObject(parent), m_file(filePath, QSettings::IniFormat)
{
    m_showsTimeInTray = read(m_file, SettingKeys::showsTimeInTray.name, m_showsTimeInTray);
    m_idleMinutes = read(m_file, SettingKeys::idleMinutes.name, m_idleMinutes);
    m_chartColors = read(m_file, SettingKeys::chartColors.name, m_chartColors);
    m_backupEnabled = read(m_file, SettingKeys::dailyBackup.name, m_backupEnabled);
    m_lastBackup = read(m_file, SettingKeys::lastBackup.name, m_lastBackup);
    m_backupProblem = read(m_file, SettingKeys::backupProblem.name, m_backupProblem);
    m_backupFolder = read(m_file, SettingKeys::backupFolder.name, m_backupFolder);
    m_computerId = read(m_file, SettingKeys::computerId.name, m_computerId);
    m_computerName = read(m_file, SettingKeys::computerName.name, m_computerName);
    m_settingsTab = read(m_file, SettingKeys::settingsTab.name, m_settingsTab);
    m_hasSeenWelcome = read(m_file, SettingKeys::hasSeenWelcome.name, m_hasSeenWelcome);
    m_hasAskedForAccessibility = read(m_file, SettingKeys::hasAskedForAccessibility.name, m_hasAskedForAccessibility);
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

void Settings::setBackupEnabled(bool value)
{
    assign(m_backupEnabled, value, SettingKeys::dailyBackup.name, &Settings::backupEnabledChanged);
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
