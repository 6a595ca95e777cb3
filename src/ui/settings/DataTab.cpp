// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataTab.h"

#include "CSV.h"
#include "FocusRing.h"
#include "FormSection.h"
#include "Places.h"
#include "PlatformTexts.h"
#include "Settings.h"
#include "SettingsTexts.h"
#include "Store.h"
#include "Tracker.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A folder as the user knows it: below home with "~".
QString shownFolder(const QString& folder, const QString& home)
{
    if (!home.isEmpty() && (folder == home || folder.startsWith(home + QLatin1Char('/'))))
        return QLatin1Char('~') + folder.mid(home.size());
    return folder;
}

std::optional<QString> askForFolder(QWidget* parent)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, PlatformTexts::backupFolderRow());
    return folder.isEmpty() ? std::nullopt : std::optional(folder);
}

std::optional<QString> askForFile(QWidget* parent, const QString& proposedName)
{
    QFileDialog dialog(parent, DataTab::tr("Save as CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    //: File type in the save dialog; "(*.csv)" stays as it is
    dialog.setNameFilter(DataTab::tr("Comma-separated values (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

const QString DataTab::proposedFileName = QStringLiteral("Horavane History.csv");

DataTab::DataTab(Tracker& tracker, Settings& settings, BackupController& backupController, const Places& places,
                 QWidget* parent)
    : QWidget(parent), m_tracker(tracker), m_settings(settings), m_backupController(backupController),
      m_homeFolder(places.homeFolder()), m_syncFolders(places.syncFolders()), m_chooseFile(askForFile),
      m_chooseFolder(askForFolder)
{
    QVBoxLayout* layout = FormSection::pageLayout(this);
    layout->addWidget(makeBackup());
    layout->addWidget(makeYourData());
    layout->addWidget(makePrivacy());
    layout->addStretch(1);

    bindSettings();
    showBackupState();
    showCopies({});
}

FormSection* DataTab::makeBackup()
{
    auto* backup = new FormSection(tr("Backup"), this);
    m_folderButton = FormSection::rowButton(QString(), this);
    m_folderButton->setAccessibleName(PlatformTexts::backupFolderRow());
    m_folderMenu = new QMenu(m_folderButton);
    m_folderButton->setMenu(m_folderMenu);
    backup->addRow(PlatformTexts::backupFolderRow(), m_folderButton);
    m_dailyBackup = new QCheckBox(this);
    m_dailyBackup->setAccessibleName(PlatformTexts::backupToggle());
    backup->addRow(PlatformTexts::backupToggle(), m_dailyBackup);
    m_lastBackupLabel = new QLabel(this);
    m_lastBackupLabel->setTextFormat(Qt::PlainText);
    m_lastBackupRow = backup->addRow(tr("Last backup"), m_lastBackupLabel);
    m_restoreButton = FormSection::rowButton(QString(), this);
    m_restoreMenu = new QMenu(m_restoreButton);
    m_restoreButton->setMenu(m_restoreMenu);
    //: Row label; its button lists the backups to restore from
    backup->addRow(tr("Restore"), m_restoreButton);
    backup->setFooter(PlatformTexts::backupFooter());

    connect(m_dailyBackup, &QCheckBox::clicked, &m_backupController, &BackupController::setDailyBackup);
    return backup;
}

FormSection* DataTab::makeYourData()
{
    auto* yourData = new FormSection(tr("Your Data"), this);
    m_exportButton = FormSection::rowButton(tr("Save as CSV…"), this);
    //: Row label
    yourData->addRow(tr("Export"), m_exportButton);
    m_deleteButton = FormSection::rowButton(tr("Delete All…"), this);
    QPalette destructive = m_deleteButton->palette();
    destructive.setColor(QPalette::ButtonText, QColor(0xE0, 0x3B, 0x2F));
    m_deleteButton->setPalette(destructive);
    //: Row label; the row's button deletes all of the recorded history
    yourData->addRow(tr("History"), m_deleteButton);

    connect(m_exportButton, &QPushButton::clicked, this, &DataTab::exportHistory);
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { setConfirmingDelete(true); });
    return yourData;
}

FormSection* DataTab::makePrivacy()
{
    auto* privacy = new FormSection(tr("Privacy"), this);
    m_welcomeButton = new QPushButton(tr("Show Welcome Screen"), this);
    m_welcomeButton->setFlat(true);
    FocusRing::install(m_welcomeButton); // a flat button shows no focus of its own
    m_welcomeButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    privacy->addWidget(m_welcomeButton);
    privacy->setFooter(PlatformTexts::privacyFooter());

    connect(m_welcomeButton, &QPushButton::clicked, this, &DataTab::welcomeRequested);
    return privacy;
}

void DataTab::bindSettings()
{
    connect(&m_settings, &Settings::dailyBackupChanged, this, &DataTab::showBackupState);
    connect(&m_settings, &Settings::backupProblemChanged, this, &DataTab::showBackupState);
    connect(&m_settings, &Settings::backupFolderChanged, this, [this] {
        showBackupState();
        m_backupController.reloadCopies();
    });
    connect(&m_settings, &Settings::lastBackupChanged, this, [this] {
        showBackupState();
        m_backupController.reloadCopies(); // a backup just finished
    });
    connect(&m_backupController, &BackupController::copiesListed, this, &DataTab::showCopies);
    connect(&m_backupController, &BackupController::restoreFinished, this, &DataTab::showRestoreOutcome);
}

void DataTab::reload()
{
    showBackupState();
    m_backupController.reloadCopies();
}

QString DataTab::backupStatus() const
{
    return SettingsTexts::backupStatus(m_settings.backupProblem(), m_settings.lastBackup(),
                                       QDateTime::currentDateTime());
}

QString DataTab::title(const BackupFolder::Copy& copy)
{
    return SettingsTexts::copyTitle(copy.day);
}

QString DataTab::fullTitle(const BackupFolder::Copy& copy) const
{
    if (copy.computerId == m_settings.computerId())
        return title(copy);
    //: A backup of another computer. %1: the backup's date; %2: the computer's name
    return tr("%1 (%2)").arg(title(copy), copy.computer);
}

void DataTab::showBackupState()
{
    const bool on = m_settings.dailyBackup();
    const QString folder = m_settings.backupFolder();
    m_dailyBackup->setChecked(on);
    // The toggle says what it needs until there is a folder to back up to; a toggle already on stays
    // switchable, so it can be turned off.
    m_dailyBackup->setEnabled(on || !folder.isEmpty());
    m_dailyBackup->setText(folder.isEmpty() ? PlatformTexts::backupToggleNeedsFolder() : QString());
    m_dailyBackup->setToolTip(m_dailyBackup->text());
    m_folderButton->setText(folder.isEmpty() ? PlatformTexts::chooseBackupFolder() : shownFolder(folder, m_homeFolder));
    m_folderButton->setToolTip(folder);
    fillFolderMenu();
    m_lastBackupRow->setVisible(on);
    m_lastBackupLabel->setText(backupStatus());
}

void DataTab::fillFolderMenu()
{
    m_folderMenu->clear();
    // The folders sync tools keep come first: the copies there reach the user's other computers.
    for (const QString& folder : m_syncFolders) {
        QAction* action = m_folderMenu->addAction(shownFolder(folder, m_homeFolder));
        action->setCheckable(true);
        action->setChecked(folder == m_settings.backupFolder());
        connect(action, &QAction::triggered, this, [this, folder] { m_backupController.setFolder(folder); });
    }
    if (!m_folderMenu->isEmpty())
        m_folderMenu->addSeparator();
    connect(m_folderMenu->addAction(PlatformTexts::otherBackupFolder()), &QAction::triggered, this, [this] {
        if (const std::optional<QString> folder = m_chooseFolder(this))
            m_backupController.setFolder(*folder);
    });
}

void DataTab::showCopies(const QList<BackupFolder::Copy>& copies)
{
    m_copies = copies;
    m_restoreMenu->clear();
    // With copies of several computers, each computer's copies come under its name.
    const bool several = !copies.isEmpty() && copies.constLast().computerId != copies.constFirst().computerId;
    for (qsizetype i = 0; i < copies.size(); ++i) {
        const BackupFolder::Copy& copy = copies[i];
        if (several && (i == 0 || copies[i - 1].computerId != copy.computerId))
            m_restoreMenu->addSection(copy.computerId == m_settings.computerId() ? PlatformTexts::thisComputer()
                                                                                 : copy.computer);
        QAction* action = m_restoreMenu->addAction(title(copy));
        connect(action, &QAction::triggered, this, [this, copy] { setCopyToRestore(copy); });
    }
    m_restoreButton->setText(copies.isEmpty() ? tr("No Backups Yet") : tr("Choose a Backup"));
    m_restoreButton->setEnabled(!copies.isEmpty());
    emit copiesChanged();
}

void DataTab::exportHistory()
{
    const std::optional<QString> path = m_chooseFile(this, proposedFileName);
    if (!path || path->isEmpty())
        return;
    m_tracker.flush();
    // Written beside the target and renamed over it, so a failure never leaves half a file.
    const std::optional<CSV::Failure> failure = CSV::save(m_tracker.store(), *path);
    if (failure == CSV::Failure::write)
        setNotice(tr("The file couldn't be saved there."));
    else if (failure == CSV::Failure::read)
        setNotice(tr("The history couldn't be read, so nothing was saved."));
}

void DataTab::showRestoreOutcome(const BackupFolder::Copy& copy, BackupController::RestoreOutcome outcome)
{
    switch (outcome) {
    case BackupController::RestoreOutcome::restored:
        //: %1: the backup's date, and its computer when it is another
        setNotice(tr("History restored from %1.").arg(fullTitle(copy)));
        break;
    case BackupController::RestoreOutcome::unreadable:
        setNotice(PlatformTexts::backupFetchFailed());
        break;
    case BackupController::RestoreOutcome::unusable:
        setNotice(tr("That backup couldn't be used. Your history was left as it was."));
        break;
    }
}

void DataTab::setCopyToRestore(const std::optional<BackupFolder::Copy>& copy)
{
    m_copyToRestore = copy;
    presentAlert();
}

void DataTab::setConfirmingDelete(bool on)
{
    m_isConfirmingDelete = on;
    presentAlert();
}

void DataTab::setNotice(const std::optional<QString>& notice)
{
    m_notice = notice;
    presentAlert();
}
