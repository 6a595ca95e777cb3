// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Every text that names something of the operating system: where the backup goes, how a permission is
// given, what "this computer" is called. The texts that hold everywhere live with their views; these
// are the ones another system words its own way (one implementation file per system).
namespace PlatformTexts {

// The backup's problems, stored in "backupProblem" in English and shown, through Backup::shownProblem(), as
// the last backup's state. The other texts are in the user's language.
QString backupFolderNotChosen();
QString backupFolderMissing();
QString backupWriteFailed();

// The Data tab's backup section.
QString backupToggle();
QString backupToggleNeedsFolder();
QString backupFolderRow();
QString chooseBackupFolder();
QString otherBackupFolder();
QString backupFooter();
QString backupFetchFailed();
QString privacyFooter();
QString deleteAllMessage();

// The welcome window.
QString welcomeSubtitle();
QString welcomeSiteDetection();
QString welcomeFirefox();
QString welcomePrivacyTitle();
QString welcomePrivacyText();

// The button that leads to the permission a browser needs (the desktop's accessibility, or the
// browser's own start-up switch).
QString accessibilitySettingsButton();
QString browserAccessButton();

// How one computer is told from the others in lists of copies and in the history window.
QString thisComputer();
QString allComputers();

} // namespace PlatformTexts
