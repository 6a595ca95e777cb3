#include "PlatformTexts.h"

// The Linux words: the backup goes to a folder the user's sync tool keeps; permissions are the desktop's
// accessibility switch and the browser's renderer accessibility.
namespace PlatformTexts {

QString backupFolderNotChosen()
{
    return QStringLiteral("Choose a backup folder first");
}

QString backupFolderMissing()
{
    return QStringLiteral("The backup folder isn't there. Is it mounted?");
}

QString backupWriteFailed()
{
    return QStringLiteral("Couldn't write to the backup folder");
}

QString backupToggle()
{
    return QStringLiteral("Back Up to a Folder");
}

QString backupToggleNeedsFolder()
{
    return QStringLiteral("Choose a backup folder to turn this on.");
}

QString backupFolderRow()
{
    return QStringLiteral("Backup folder");
}

QString chooseBackupFolder()
{
    return QStringLiteral("Choose\u2026");
}

QString otherBackupFolder()
{
    return QStringLiteral("Other Folder\u2026");
}

QString backupFooter()
{
    return QStringLiteral("A copy of your history is saved once a day to a Horavane folder in the backup folder, and "
                          "the last seven are kept for each computer. Your sync tool does the uploading; Horavane "
                          "itself sends nothing.");
}

QString backupFetchFailed()
{
    return QStringLiteral("That backup couldn't be read from the backup folder.");
}

QString privacyFooter()
{
    return QStringLiteral("What Horavane records stays in a file on this computer, plus the backup folder if you "
                          "turn that on. Horavane goes online for one thing only: when you click Check for Updates.");
}

QString deleteAllMessage()
{
    return QStringLiteral("Every day Horavane has recorded on this computer will be removed. Backups in the backup "
                          "folder are not touched. This can't be undone.");
}

QString welcomeSubtitle()
{
    return QStringLiteral("See where your time on this computer goes, app by app and site by site.");
}

QString welcomeSiteDetection()
{
    return QStringLiteral("To know which site you're on, Horavane asks your browser for the address of the page in "
                          "front. You allow that once per browser. Nothing else about the page is read.");
}

QString welcomeFirefox()
{
    return QStringLiteral("Firefox and browsers built on it can only be asked through the desktop's accessibility "
                          "switch, which you turn on for your session. Horavane uses it just to read that address.");
}

QString welcomePrivacyTitle()
{
    return QStringLiteral("It stays on your computer");
}

QString welcomePrivacyText()
{
    return QStringLiteral("Your history is a file on this computer, and you can export or delete it in Settings. "
                          "Horavane never goes online unless you ask it to check for updates.");
}

QString accessibilitySettingsButton()
{
    return QStringLiteral("Open Accessibility Settings\u2026");
}

QString browserAccessButton()
{
    return QStringLiteral("Set Up Browser Access\u2026");
}

QString thisComputer()
{
    return QStringLiteral("This Computer");
}

QString allComputers()
{
    return QStringLiteral("All Computers");
}

} // namespace PlatformTexts
