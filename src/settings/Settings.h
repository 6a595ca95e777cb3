#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

// The user's preferences, one typed accessor per key. Values are read once and kept in memory, so
// reading a preference costs nothing; every change is written through and announced.
class Settings : public QObject
{
    Q_OBJECT
public:
    // Preferences kept in the INI file at filePath (created on the first change).
    explicit Settings(const QString& filePath, QObject* parent = nullptr);

    bool showsTimeInMenuBar() const { return m_showsTimeInMenuBar; }
    double idleMinutes() const { return m_idleMinutes; }
    int chartColors() const { return m_chartColors; }
    // Whether the daily copy is made; stored under "backsUpToICloud", the key existing files have.
    bool backupEnabled() const { return m_backupEnabled; }
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

    void setShowsTimeInMenuBar(bool value);
    void setIdleMinutes(double value);
    void setChartColors(int value);
    void removeChartColors(); // back to the default
    void setBackupEnabled(bool value);
    void setLastBackup(double value);
    void setBackupProblem(const QString& value);
    void setBackupFolder(const QString& value);
    void setComputerId(const QString& value);
    void setComputerName(const QString& value);
    void setSettingsTab(const QString& value);
    void setHasSeenWelcome(bool value);
    void setHasAskedForAccessibility(bool value);

    // Writes pending changes to the file now.
    void sync();

signals:
    void showsTimeInMenuBarChanged(bool value);
    void idleMinutesChanged(double value);
    void chartColorsChanged(int value);
    void backupEnabledChanged(bool value);
    void lastBackupChanged(double value);
    void backupProblemChanged(const QString& value);
    void backupFolderChanged(const QString& value);
    void computerIdChanged(const QString& value);
    void computerNameChanged(const QString& value);
    void settingsTabChanged(const QString& value);
    void hasSeenWelcomeChanged(bool value);
    void hasAskedForAccessibilityChanged(bool value);

private:
    template <typename T, typename Signal>
    void assign(T& field, const T& value, const char* key, Signal changed);

    QSettings m_file;
    bool m_showsTimeInMenuBar = false;
    double m_idleMinutes = 2;
    int m_chartColors = 8;
    bool m_backupEnabled = false;
    double m_lastBackup = 0;
    QString m_backupProblem;
    QString m_backupFolder;
    QString m_computerId;
    QString m_computerName;
    QString m_settingsTab = QStringLiteral("general");
    bool m_hasSeenWelcome = false;
    bool m_hasAskedForAccessibility = false;
};
