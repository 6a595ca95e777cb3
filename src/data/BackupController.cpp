// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupController.h"

#include "Backup.h"
#include "Places.h"
#include "Settings.h"
#include "Tracker.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QThreadPool>

BackupController::BackupController(Tracker& tracker, Settings& settings, Backup& backup, const Places& places,
                                   QObject* parent)
    : QObject(parent), m_tracker(tracker), m_settings(settings), m_backup(backup), m_places(places)
{
}

void BackupController::setDailyBackup(bool on)
{
    m_settings.setDailyBackup(on);
    if (!on)
        return;
    // The first copy holds everything recorded up to now.
    m_tracker.flush();
    if (m_tracker.isLive())
        m_backup.run(m_tracker.store());
}

void BackupController::setFolder(const QString& folder)
{
    if (folder == m_settings.backupFolder())
        return;
    m_settings.setBackupFolder(folder);
    if (m_settings.dailyBackup())
        setDailyBackup(true); // the new folder gets today's copy at once
}

void BackupController::reloadCopies()
{
    const quint64 request = ++m_copiesRequest;
    QPointer<BackupController> self(this);
    const QString folder = m_settings.backupFolder();
    const QString computer = m_settings.computerId();
    QThreadPool::globalInstance()->start([self, folder, computer, request] {
        QList<BackupFolder::Copy> copies = BackupFolder::copies(folder, computer);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, request, copies = std::move(copies)] {
                if (self && self->m_copiesRequest == request)
                    emit self->copiesListed(copies);
            },
            Qt::QueuedConnection);
    });
}

void BackupController::restore(const BackupFolder::Copy& copy)
{
    if (m_restoring)
        return;
    m_restoring = true;
    QPointer<BackupController> self(this);
    const QString temporaryFolder = m_places.temporaryFolder();
    QThreadPool::globalInstance()->start([self, temporaryFolder, copy] {
        const std::optional<QString> file = BackupFolder::fetch(copy, temporaryFolder);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, copy, file] {
                if (self)
                    self->finishRestore(copy, file);
                else if (file)
                    QFile::remove(*file); // nobody is left to restore it
            },
            Qt::QueuedConnection);
    });
}

void BackupController::finishRestore(const BackupFolder::Copy& copy, const std::optional<QString>& file)
{
    m_restoring = false;
    if (!file) {
        emit restoreFinished(copy, RestoreOutcome::unreadable);
        return;
    }
    const bool restored = m_tracker.restore(*file);
    QFile::remove(*file);
    emit restoreFinished(copy, restored ? RestoreOutcome::restored : RestoreOutcome::unusable);
}
