// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupController.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class FormSection;
class Places;
class QCheckBox;
class QLabel;
class QMenu;
class QMessageBox;
class QPushButton;
class Settings;
class Tracker;

// The settings' Data tab: the daily backup with its folder and restore, CSV export, deleting all history and the way
// back to the welcome screen, with the alerts that confirm and report them. Owns no data: copies live in the backup
// folder, and what the user does with them is the backup controller's work.
class DataTab : public QWidget
{
    Q_OBJECT
public:
    static const QString proposedFileName;

    // Asks where to save the export; none when the user cancels.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent, const QString& proposedName)>;
    // Asks for a backup folder; none when the user cancels.
    using FolderChooser = std::function<std::optional<QString>(QWidget* parent)>;

    DataTab(Tracker& tracker, Settings& settings, BackupController& backupController, const Places& places,
            QWidget* parent = nullptr);

    // Replaces the save dialog (tests, or a desktop with its own).
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

    // Shows the backup state and lists the copies again: the folder may have changed meanwhile.
    void reload();
    // Asks for a file and saves all history there as CSV; a failure shows a notice.
    void exportHistory();
    // The "Last backup" value now.
    QString backupStatus() const;
    // A backup copy's name in menus and messages: its day as a long date.
    static QString title(const BackupFolder::Copy& copy);
    // The title in messages, with the computer's name when the copy is another computer's.
    QString fullTitle(const BackupFolder::Copy& copy) const;

    const QList<BackupFolder::Copy>& copies() const { return m_copies; }
    const std::optional<BackupFolder::Copy>& copyToRestore() const { return m_copyToRestore; }
    bool isConfirmingDelete() const { return m_isConfirmingDelete; }
    const std::optional<QString>& notice() const { return m_notice; }

    // Asks for confirmation of the copy's restore (as choosing it in the menu does).
    void setCopyToRestore(const std::optional<BackupFolder::Copy>& copy);
    void setConfirmingDelete(bool on);
    void setNotice(const std::optional<QString>& notice);

    QCheckBox* dailyBackup() const { return m_dailyBackup; }
    QPushButton* folderButton() const { return m_folderButton; }
    QMenu* folderMenu() const { return m_folderMenu; }
    QWidget* lastBackupRow() const { return m_lastBackupRow; }
    QLabel* lastBackupLabel() const { return m_lastBackupLabel; }
    QPushButton* restoreButton() const { return m_restoreButton; }
    QMenu* restoreMenu() const { return m_restoreMenu; }
    QPushButton* exportButton() const { return m_exportButton; }
    QPushButton* deleteButton() const { return m_deleteButton; }
    QPushButton* welcomeButton() const { return m_welcomeButton; }
    // The alert on screen, or null.
    QMessageBox* alert() const { return m_alert; }

signals:
    // "Show Welcome Screen" was pressed; the shell opens the welcome window.
    void welcomeRequested();
    // The list of copies was replaced.
    void copiesChanged();

private:
    FormSection* makeBackup();
    FormSection* makeYourData();
    FormSection* makePrivacy();
    void bindSettings();
    void showBackupState();
    void showCopies(const QList<BackupFolder::Copy>& copies);
    void fillFolderMenu();
    void showRestoreOutcome(const BackupFolder::Copy& copy, BackupController::RestoreOutcome outcome);
    // Shows the alert for the first state that asks for one, replacing any other.
    void presentAlert();

    Tracker& m_tracker;
    Settings& m_settings;
    BackupController& m_backupController;
    // The folders offered for backups, as they were when the tab was made.
    const QString m_homeFolder;
    const QStringList m_syncFolders;

    FileChooser m_chooseFile;
    FolderChooser m_chooseFolder;

    QList<BackupFolder::Copy> m_copies;
    std::optional<BackupFolder::Copy> m_copyToRestore;
    bool m_isConfirmingDelete = false;
    std::optional<QString> m_notice;

    QCheckBox* m_dailyBackup = nullptr;
    QPushButton* m_folderButton = nullptr;
    QMenu* m_folderMenu = nullptr;
    QWidget* m_lastBackupRow = nullptr;
    QLabel* m_lastBackupLabel = nullptr;
    QPushButton* m_restoreButton = nullptr;
    QMenu* m_restoreMenu = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_welcomeButton = nullptr;
    QMessageBox* m_alert = nullptr;
};
