// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>

// Every stored preference: the key it has in the file and its value while none is stored. The keys stay
// as they were first written, so a file from any earlier version reads the same.
namespace SettingKeys {

using namespace Qt::StringLiterals;

template <typename T> struct Key
{
    QLatin1StringView name;
    T defaultValue;
};

inline constexpr Key<bool> showsTimeInTray{"showsTimeInMenuBar"_L1, false};
inline constexpr Key<double> idleMinutes{"idleMinutes"_L1, 2};
inline constexpr Key<int> chartColors{"chartColors"_L1, 8};
inline constexpr Key<bool> dailyBackup{"backsUpToICloud"_L1, false};
inline constexpr Key<double> lastBackup{"lastBackup"_L1, 0};
inline constexpr Key<QLatin1StringView> backupProblem{"backupProblem"_L1, {}};
inline constexpr Key<QLatin1StringView> backupFolder{"backupFolder"_L1, {}};
inline constexpr Key<QLatin1StringView> computerId{"computerId"_L1, {}};
inline constexpr Key<QLatin1StringView> computerName{"computerName"_L1, {}};
inline constexpr Key<QLatin1StringView> settingsTab{"settingsTab"_L1, "general"_L1};
inline constexpr Key<bool> hasSeenWelcome{"hasSeenWelcome"_L1, false};
inline constexpr Key<bool> hasAskedForAccessibility{"hasAskedForAccessibility"_L1, false};
inline constexpr QLatin1StringView dailyLimits{"dailyLimits"_L1};   // entries "kind minutes id"
inline constexpr QLatin1StringView limitNotices{"limitNotices"_L1}; // the day, then the notices given that day
inline constexpr Key<bool> warnsBeforeLimit{"warnsBeforeLimit"_L1, true};
inline constexpr Key<bool> limitsCountAllComputers{"limitsCountAllComputers"_L1, false};
inline constexpr Key<bool> remindsOfBreaks{"remindsOfBreaks"_L1, false};
inline constexpr Key<int> breakAfterMinutes{"breakAfterMinutes"_L1, 50};
inline constexpr Key<int> breakIdleMinutes{"breakIdleMinutes"_L1, 5};

} // namespace SettingKeys

// How long one application or website may be used a day: its kind as the history stores it (0 application,
// 1 website), its id, and the minutes.
struct DailyLimit
{
    static constexpr int fewestMinutes = 5;
    static constexpr int mostMinutes = 12 * 60;

    int kind = 0;
    QString id;
    int minutes = 0;

    bool operator==(const DailyLimit&) const = default;
};

// The user's preferences, one typed accessor per key. Values are read once and kept in memory, so
// reading a preference costs nothing; every change is written through and announced.
class Settings : public QObject
{
    Q_OBJECT
public:
    // Preferences kept in the INI file at filePath (created on the first change).
    explicit Settings(const QString& filePath, QObject* parent = nullptr);

    bool showsTimeInTray() const { return m_showsTimeInTray; }
    // As stored: 0 or less stands for the default, which idleLimitMinutes() resolves.
    double idleMinutes() const { return m_idleMinutes; }
    int chartColors() const { return m_chartColors; }
    bool dailyBackup() const { return m_dailyBackup; }
    double lastBackup() const { return m_lastBackup; }
    QString backupProblem() const { return m_backupProblem; }
    // The folder the daily copies go to, below its "Horavane" folder; empty until the user chooses one.
    QString backupFolder() const { return m_backupFolder; }
    // This computer's lasting identity in a shared backup folder; empty until ComputerIdentity makes one.
    QString computerId() const { return m_computerId; }
    // The name other computers see this one by; empty: the host name.
    QString computerName() const { return m_computerName; }
    QString settingsTab() const { return m_settingsTab; }
    bool hasSeenWelcome() const { return m_hasSeenWelcome; }
    bool hasAskedForAccessibility() const { return m_hasAskedForAccessibility; }
    const QList<DailyLimit>& dailyLimits() const { return m_dailyLimits; }
    // The limit notices given today, kept so that a restart does not give them again: the day key first,
    // then one entry per notice.
    const QStringList& limitNotices() const { return m_limitNotices; }
    // Also a notice five minutes before an item reaches its limit.
    bool warnsBeforeLimit() const { return m_warnsBeforeLimit; }
    // Limits count today's time on the user's other computers too, from their copies in the backup folder.
    bool limitsCountAllComputers() const { return m_limitsCountAllComputers; }
    bool remindsOfBreaks() const { return m_remindsOfBreaks; }
    // A break is suggested after this many minutes present without a pause of breakIdleMinutes().
    int breakAfterMinutes() const { return m_breakAfterMinutes; }
    int breakIdleMinutes() const { return m_breakIdleMinutes; }

    void setShowsTimeInTray(bool value);
    void setIdleMinutes(double value);
    void setChartColors(int value);
    void removeChartColors(); // back to the default
    void setDailyBackup(bool value);
    void setLastBackup(double value);
    void setBackupProblem(const QString& value);
    void setBackupFolder(const QString& value);
    void setComputerId(const QString& value);
    void setComputerName(const QString& value);
    void setSettingsTab(const QString& value);
    void setHasSeenWelcome(bool value);
    void setHasAskedForAccessibility(bool value);
    // Sets or replaces the item's limit, its minutes kept within DailyLimit's bounds.
    void setDailyLimit(const DailyLimit& limit);
    void removeDailyLimit(int kind, const QString& id);
    void setLimitNotices(const QStringList& value);
    void setWarnsBeforeLimit(bool value);
    void setLimitsCountAllComputers(bool value);
    void setRemindsOfBreaks(bool value);
    void setBreakAfterMinutes(int value);
    void setBreakIdleMinutes(int value);

    // Writes pending changes to the file now.
    void sync();

    // The idle limit a stored idleMinutes value stands for: the value itself, or the default for 0 or less.
    static double idleLimitMinutes(double storedMinutes);

signals:
    void showsTimeInTrayChanged(bool value);
    void idleMinutesChanged(double value);
    void chartColorsChanged(int value);
    void dailyBackupChanged(bool value);
    void lastBackupChanged(double value);
    void backupProblemChanged(const QString& value);
    void backupFolderChanged(const QString& value);
    void computerIdChanged(const QString& value);
    void computerNameChanged(const QString& value);
    void settingsTabChanged(const QString& value);
    void hasSeenWelcomeChanged(bool value);
    void hasAskedForAccessibilityChanged(bool value);
    void dailyLimitsChanged();
    void warnsBeforeLimitChanged(bool value);
    void limitsCountAllComputersChanged(bool value);
    void remindsOfBreaksChanged(bool value);
    void breakAfterMinutesChanged(int value);
    void breakIdleMinutesChanged(int value);

private:
    template <typename T, typename Signal> void assign(T& field, const T& value, QLatin1StringView key, Signal changed);
    void readDailyLimits();
    void writeDailyLimits();

    QSettings m_file;
    bool m_showsTimeInTray = SettingKeys::showsTimeInTray.defaultValue;
    double m_idleMinutes = SettingKeys::idleMinutes.defaultValue;
    int m_chartColors = SettingKeys::chartColors.defaultValue;
    bool m_dailyBackup = SettingKeys::dailyBackup.defaultValue;
    double m_lastBackup = SettingKeys::lastBackup.defaultValue;
    QString m_backupProblem = SettingKeys::backupProblem.defaultValue;
    QString m_backupFolder = SettingKeys::backupFolder.defaultValue;
    QString m_computerId = SettingKeys::computerId.defaultValue;
    QString m_computerName = SettingKeys::computerName.defaultValue;
    QString m_settingsTab = SettingKeys::settingsTab.defaultValue;
    bool m_hasSeenWelcome = SettingKeys::hasSeenWelcome.defaultValue;
    bool m_hasAskedForAccessibility = SettingKeys::hasAskedForAccessibility.defaultValue;
    QList<DailyLimit> m_dailyLimits;
    QStringList m_limitNotices;
    bool m_warnsBeforeLimit = SettingKeys::warnsBeforeLimit.defaultValue;
    bool m_limitsCountAllComputers = SettingKeys::limitsCountAllComputers.defaultValue;
    bool m_remindsOfBreaks = SettingKeys::remindsOfBreaks.defaultValue;
    int m_breakAfterMinutes = SettingKeys::breakAfterMinutes.defaultValue;
    int m_breakIdleMinutes = SettingKeys::breakIdleMinutes.defaultValue;
};
