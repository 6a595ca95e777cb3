// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Data tab's alerts: the restore and delete confirmations and the one-line notices.
#include "DataTab.h"

#include "PlatformTexts.h"
#include "Tracker.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

enum class AlertKind
{
    restore,
    deleteAll,
    notice,
};

struct Alert
{
    AlertKind kind;
    QString title;
    QString message;
    QString confirm; // the destructive button; empty for a notice

    bool operator==(const Alert&) const = default;
};

const char* const kindProperty = "horavaneAlertKind";

} // namespace

void DataTab::presentAlert()
{
    // One alert at a time; a state that waits behind another alert is shown when that one is dismissed.
    std::optional<Alert> wanted;
    if (m_copyToRestore)
        wanted = Alert{AlertKind::restore, tr("Replace your history?"),
                       //: %1: the backup's date, and its computer when it is another
                       tr("Everything recorded so far will be replaced with the backup from %1. This can't be undone.")
                           .arg(fullTitle(*m_copyToRestore)),
                       //: Button that replaces the history with a backup
                       tr("Replace")};
    else if (m_isConfirmingDelete)
        wanted = Alert{AlertKind::deleteAll, tr("Delete all history?"), PlatformTexts::deleteAllMessage(),
                       //: Button that deletes all of the history
                       tr("Delete")};
    else if (m_notice)
        wanted = Alert{AlertKind::notice, *m_notice, {}, {}};

    if (m_alert && wanted) {
        const Alert shown{static_cast<AlertKind>(m_alert->property(kindProperty).toInt()), m_alert->text(),
                          m_alert->informativeText(), wanted->confirm};
        if (shown == *wanted)
            return;
    }
    if (m_alert) {
        m_alert->disconnect(this);
        m_alert->close();
        m_alert->deleteLater();
        m_alert = nullptr;
    }
    if (!wanted)
        return;

    auto* box = new QMessageBox(this);
    box->setProperty(kindProperty, static_cast<int>(wanted->kind));
    box->setTextFormat(Qt::PlainText);
    box->setText(wanted->title);
    box->setInformativeText(wanted->message);
    QPushButton* confirm = nullptr;
    QPushButton* cancel = nullptr;
    if (wanted->kind == AlertKind::notice) {
        cancel = box->addButton(tr("OK"), QMessageBox::RejectRole);
    } else {
        box->setIcon(QMessageBox::Warning);
        confirm = box->addButton(wanted->confirm, QMessageBox::DestructiveRole);
        cancel = box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    }
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);

    const AlertKind kind = wanted->kind;
    connect(box, &QMessageBox::finished, this, [this, box, kind, confirm] {
        const bool confirmed = confirm && box->clickedButton() == confirm;
        m_alert = nullptr;
        box->deleteLater();
        // Dismissing an alert, whichever way, clears the state that showed it.
        switch (kind) {
        case AlertKind::restore: {
            const std::optional<BackupFolder::Copy> copy = std::exchange(m_copyToRestore, std::nullopt);
            if (confirmed && copy)
                m_backupController.restore(*copy);
            break;
        }
        case AlertKind::deleteAll:
            m_isConfirmingDelete = false;
            if (confirmed && !m_tracker.deleteAllHistory())
                m_notice = tr("The history couldn't be deleted: the file is in use by another program or can't be "
                              "written.");
            break;
        case AlertKind::notice:
            m_notice.reset();
            break;
        }
        presentAlert();
    });
    m_alert = box;
    box->open();
}
