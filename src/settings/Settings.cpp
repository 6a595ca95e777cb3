#include "Settings.h"

namespace {

// A stored value of the wrong type reads as the default, as if it were absent.
template <typename T>
T read(const QSettings& file, const char* key, const T& fallback)
{
    const QVariant value = file.value(QLatin1String(key));
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
    m_showsTimeInMenuBar = read(m_file, "showsTimeInMenuBar", m_showsTimeInMenuBar);
    m_idleMinutes = read(m_file, "idleMinutes", m_idleMinutes);
    m_chartColors = read(m_file, "chartColors", m_chartColors);
    m_backupEnabled = read(m_file, "backsUpToICloud", m_backupEnabled);
    m_lastBackup = read(m_file, "lastBackup", m_lastBackup);
    m_backupProblem = read(m_file, "backupProblem", m_backupProblem);
    m_backupFolder = read(m_file, "backupFolder", m_backupFolder);
    m_computerId = read(m_file, "computerId", m_computerId);
    m_computerName = read(m_file, "computerName", m_computerName);
    m_settingsTab = read(m_file, "settingsTab", m_settingsTab);
    m_hasSeenWelcome = read(m_file, "hasSeenWelcome", m_hasSeenWelcome);
    m_hasAskedForAccessibility = read(m_file, "hasAskedForAccessibility", m_hasAskedForAccessibility);
}

template <typename T, typename Signal>
void Settings::assign(T& field, const T& value, const char* key, Signal changed)
{
    m_file.setValue(QLatin1String(key), QVariant::fromValue(value));
    if (field == value)
        return;
    field = value;
    emit(this->*changed)(value);
}

void Settings::setShowsTimeInMenuBar(bool value)
{
    assign(m_showsTimeInMenuBar, value, "showsTimeInMenuBar", &Settings::showsTimeInMenuBarChanged);
}

void Settings::setIdleMinutes(double value)
{
    assign(m_idleMinutes, value, "idleMinutes", &Settings::idleMinutesChanged);
}

void Settings::setChartColors(int value)
{
    assign(m_chartColors, value, "chartColors", &Settings::chartColorsChanged);
}

void Settings::removeChartColors()
{
    m_file.remove(QStringLiteral("chartColors"));
    if (m_chartColors == 8)
        return;
    m_chartColors = 8;
    emit chartColorsChanged(m_chartColors);
}

void Settings::setBackupEnabled(bool value)
{
    assign(m_backupEnabled, value, "backsUpToICloud", &Settings::backupEnabledChanged);
}

void Settings::setLastBackup(double value)
{
    assign(m_lastBackup, value, "lastBackup", &Settings::lastBackupChanged);
}

void Settings::setBackupProblem(const QString& value)
{
    assign(m_backupProblem, value, "backupProblem", &Settings::backupProblemChanged);
}

void Settings::setBackupFolder(const QString& value)
{
    assign(m_backupFolder, value, "backupFolder", &Settings::backupFolderChanged);
}

void Settings::setComputerId(const QString& value)
{
    assign(m_computerId, value, "computerId", &Settings::computerIdChanged);
}

void Settings::setComputerName(const QString& value)
{
    assign(m_computerName, value, "computerName", &Settings::computerNameChanged);
}

void Settings::setSettingsTab(const QString& value)
{
    assign(m_settingsTab, value, "settingsTab", &Settings::settingsTabChanged);
}

void Settings::setHasSeenWelcome(bool value)
{
    assign(m_hasSeenWelcome, value, "hasSeenWelcome", &Settings::hasSeenWelcomeChanged);
}

void Settings::setHasAskedForAccessibility(bool value)
{
    assign(m_hasAskedForAccessibility, value, "hasAskedForAccessibility", &Settings::hasAskedForAccessibilityChanged);
}

void Settings::sync()
{
    m_file.sync();
}
