// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupController.h"
#include "SettingsTab.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>

class ChartColorsPreview;
class ExcludedList;
class FormSection;
class Icons;
class LimitsSection;
class LoginItem;
class Places;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QMessageBox;
class QPushButton;
class SegmentedControl;
class QTabWidget;
class Settings;
class Tracker;
class UpdateChecker;

// The settings window's content: every preference, the items not tracked, the update check, the
// backup with restore, CSV export, deleting all history and the way back to the welcome screen.
// Owns no data: preferences live in Settings, history in the tracker, copies in the backup folder; what
// the user does with backups is the backup controller's work.
class SettingsView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int contentWidth = 480;
    static constexpr int idleChoices[] = {1, 2, 5, 10, 15, 30};
    static const QString proposedFileName;

    // Asks where to save the export; none when the user cancels.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent, const QString& proposedName)>;
    using UrlOpener = std::function<void(const QUrl&)>;
    // Asks for a backup folder; none when the user cancels.
    using FolderChooser = std::function<std::optional<QString>(QWidget* parent)>;

    SettingsView(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates,
                 BackupController& backupController, LoginItem& loginItem, const Places& places,
                 QWidget* parent = nullptr);
    ~SettingsView() override;

    // Replaces the save dialog (tests, or a desktop with its own).
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

    // Asks for a file and saves all history there as CSV; a failure shows a notice.
    void exportHistory();
    // The update row's label.
    QString updateStatus() const;
    // The "Last backup" value now.
    QString backupStatus() const;
    // A backup copy's name in menus and messages: its day as a long date.
    static QString title(const BackupFolder::Copy& copy);
    // The title in messages, with the computer's name when the copy is another computer's.
    QString fullTitle(const BackupFolder::Copy& copy) const;

    SettingsTab tab() const;
    const QList<BackupFolder::Copy>& copies() const { return m_copies; }
    const std::optional<BackupFolder::Copy>& copyToRestore() const { return m_copyToRestore; }
    bool isConfirmingDelete() const { return m_isConfirmingDelete; }
    const std::optional<QString>& notice() const { return m_notice; }

    // Asks for confirmation of the copy's restore (as choosing it in the menu does).
    void setCopyToRestore(const std::optional<BackupFolder::Copy>& copy);
    void setConfirmingDelete(bool on);
    void setNotice(const std::optional<QString>& notice);

    QTabWidget* tabs() const { return m_tabs; }
    QCheckBox* openAtLogin() const { return m_openAtLogin; }
    QCheckBox* showsTimeInTray() const { return m_showsTime; }
    // Whether the panel draws the time beside the tray ring (else the time is only in the item's tooltip).
    void setPanelDrawsTime(bool draws);
    QComboBox* idlePicker() const { return m_idle; }
    SegmentedControl* colourPicker() const { return m_colours; }
    ChartColorsPreview* preview() const { return m_preview; }
    ExcludedList* excludedList() const { return m_excluded; }
    LimitsSection* limits() const { return m_limits; }
    QLabel* updateLabel() const { return m_updateLabel; }
    QPushButton* checkButton() const { return m_checkButton; }
    QWidget* downloadRow() const { return m_downloadRow; }
    QPushButton* downloadButton() const { return m_downloadButton; }
    QLabel* updatesFooter() const;
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

    QSize sizeHint() const override;

signals:
    // "Show Welcome Screen" was pressed; the shell opens the welcome window.
    void welcomeRequested();
    // The list of copies was replaced.
    void copiesChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintTabIcons();
    QWidget* makeGeneralTab();
    QWidget* makeDataTab();
    void bindSettings();
    void showUpdateState();
    void showBackupState();
    void showCopies(const QList<BackupFolder::Copy>& copies);
    void fillFolderMenu();
    void setOpensAtLogin(bool on);
    void showRestoreOutcome(const BackupFolder::Copy& copy, BackupController::RestoreOutcome outcome);
    // Shows the alert for the first state that asks for one, replacing any other.
    void presentAlert();

    Tracker& m_tracker;
    Icons& m_icons;
    Settings& m_settings;
    UpdateChecker& m_updates;
    BackupController& m_backupController;
    LoginItem& m_loginItem;
    // The folders offered for backups, as they were when the view was made.
    const QString m_homeFolder;
    const QStringList m_syncFolders;

    FileChooser m_chooseFile;
    UrlOpener m_openUrl;
    FolderChooser m_chooseFolder;

    QList<BackupFolder::Copy> m_copies;
    std::optional<BackupFolder::Copy> m_copyToRestore;
    bool m_isConfirmingDelete = false;
    std::optional<QString> m_notice;

    QTabWidget* m_tabs = nullptr;
    QCheckBox* m_openAtLogin = nullptr;
    QCheckBox* m_showsTime = nullptr;
    FormSection* m_basics = nullptr;
    QComboBox* m_idle = nullptr;
    SegmentedControl* m_colours = nullptr;
    ChartColorsPreview* m_preview = nullptr;
    ExcludedList* m_excluded = nullptr;
    LimitsSection* m_limits = nullptr;
    FormSection* m_updatesSection = nullptr;
    QLabel* m_updateLabel = nullptr;
    QPushButton* m_checkButton = nullptr;
    QWidget* m_downloadRow = nullptr;
    QPushButton* m_downloadButton = nullptr;
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
