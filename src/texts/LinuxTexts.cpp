// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlatformTexts.h"

#include <QCoreApplication>

// The Linux words: the backup goes to a folder the user's sync tool keeps; permissions are the desktop's
// accessibility switch and the browser's renderer accessibility. The backup's problems are stored as written
// here and translated where shown, in Backup's context (Backup::shownProblem).
namespace PlatformTexts {

QString backupFolderNotChosen()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Backup", "Choose a backup folder first"));
}

QString backupFolderMissing()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Backup", "The backup folder isn't there. Is it mounted?"));
}

QString backupWriteFailed()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Backup", "Couldn't write to the backup folder"));
}

QString backupToggle()
{
    return QCoreApplication::translate("PlatformTexts", "Back Up to a Folder");
}

QString backupToggleNeedsFolder()
{
    return QCoreApplication::translate("PlatformTexts", "Choose a backup folder to turn this on.");
}

QString backupFolderRow()
{
    return QCoreApplication::translate("PlatformTexts", "Backup folder");
}

QString chooseBackupFolder()
{
    //: Button that opens a folder picker, shown while no backup folder is chosen
    return QCoreApplication::translate("PlatformTexts", "Choose…");
}

QString otherBackupFolder()
{
    return QCoreApplication::translate("PlatformTexts", "Other Folder…");
}

QString backupFooter()
{
    return QCoreApplication::translate(
        "PlatformTexts", "A copy of your history is saved once a day to a Horavane folder in the backup folder, and "
                         "the last seven are kept for each computer. Your sync tool does the uploading; Horavane "
                         "itself sends nothing.");
}

QString backupFetchFailed()
{
    return QCoreApplication::translate("PlatformTexts", "That backup couldn't be read from the backup folder.");
}

QString privacyFooter()
{
    return QCoreApplication::translate(
        "PlatformTexts", "What Horavane records stays in a file on this computer, plus the backup folder if you "
                         "turn that on. Horavane goes online for one thing only: when you click Check for Updates.");
}

QString deleteAllMessage()
{
    return QCoreApplication::translate(
        "PlatformTexts", "Every day Horavane has recorded on this computer will be removed. Backups in the backup "
                         "folder are not touched. This can't be undone.");
}

QString welcomeSubtitle()
{
    return QCoreApplication::translate("PlatformTexts",
                                       "See where your time on this computer goes, app by app and site by site.");
}

QString welcomeSiteDetection()
{
    return QCoreApplication::translate(
        "PlatformTexts", "To know which site you're on, Horavane asks your browser for the address of the page in "
                         "front. You allow that once per browser. Nothing else about the page is read.");
}

QString welcomeFirefox()
{
    return QCoreApplication::translate(
        "PlatformTexts", "Firefox and browsers built on it can only be asked through the desktop's accessibility "
                         "switch, which you turn on for your session. Horavane uses it just to read that address.");
}

QString welcomePrivacyTitle()
{
    return QCoreApplication::translate("PlatformTexts", "It stays on your computer");
}

QString welcomePrivacyText()
{
    return QCoreApplication::translate(
        "PlatformTexts", "Your history is a file on this computer, and you can export or delete it in Settings. "
                         "Horavane never goes online unless you ask it to check for updates.");
}

QString accessibilitySettingsButton()
{
    return QCoreApplication::translate("PlatformTexts", "Open Accessibility Settings…");
}

QString browserAccessButton()
{
    return QCoreApplication::translate("PlatformTexts", "Set Up Browser Access…");
}

QString thisComputer()
{
    //: The computer Horavane runs on, among the computers of a shared backup folder
    return QCoreApplication::translate("PlatformTexts", "This Computer");
}

QString allComputers()
{
    //: The history of every computer of a shared backup folder together
    return QCoreApplication::translate("PlatformTexts", "All Computers");
}

} // namespace PlatformTexts
