// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsTab.h"

#include <QWidget>

class BackupController;
class DataTab;
class GeneralTab;
class Icons;
class LoginItem;
class Places;
class QTabWidget;
class Settings;
class Tracker;
class UpdateChecker;

// The settings window's content: the General and Data tabs, opening on the one last shown (kept in the preferences).
// Owns no data: preferences live in Settings, history in the tracker, copies in the backup folder.
class SettingsView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int contentWidth = 480;

    SettingsView(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates,
                 BackupController& backupController, LoginItem& loginItem, const Places& places,
                 QWidget* parent = nullptr);

    SettingsTab tab() const;
    QTabWidget* tabs() const { return m_tabs; }
    GeneralTab* generalTab() const { return m_general; }
    DataTab* dataTab() const { return m_data; }

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintTabIcons();

    Settings& m_settings;
    QTabWidget* m_tabs = nullptr;
    GeneralTab* m_general = nullptr;
    DataTab* m_data = nullptr;
};
