// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FormSection.h"
#include "ItemKey.h"

#include <QList>

class Icons;
class ListedItems;
class QCheckBox;
class QComboBox;
class QPushButton;
class Settings;
class Tracker;

// The settings' "Limits" group: each daily limit by item name with its duration, which opens the dialog to change
// it, and a button to remove it; the warning before a limit, counting the other computers' time, and the break
// reminder with its two durations. Follows the preferences both ways.
class LimitsSection : public FormSection
{
    Q_OBJECT
public:
    static constexpr int breakAfterChoices[] = {20, 25, 30, 40, 45, 50, 60, 75, 90, 120};
    static constexpr int breakIdleChoices[] = {1, 2, 3, 5, 10, 15};

    LimitsSection(Settings& settings, Tracker& tracker, Icons& icons, QWidget* parent = nullptr);

    // The limited items.
    ListedItems* list() const { return m_list; }
    // The buttons of an item's row, or null when it has none.
    QPushButton* changeButton(const ItemKey& key) const;
    QPushButton* removeButton(const ItemKey& key) const;
    QCheckBox* warnsBefore() const { return m_warns; }
    QCheckBox* countsAllComputers() const { return m_allComputers; }
    QCheckBox* remindsOfBreaks() const { return m_breaks; }
    QComboBox* breakAfter() const { return m_breakAfter; }
    QComboBox* breakIdle() const { return m_breakIdle; }

private:
    // Makes a limit's buttons: its duration, which opens the dialog to change it, and "Remove".
    QList<QPushButton*> makeButtons(const ItemKey& key, const QString& name, int minutes, QWidget* row);
    void rebuild();
    void showBreaks();

    Settings& m_settings;
    Tracker& m_tracker;
    ListedItems* m_list = nullptr;
    QCheckBox* m_warns = nullptr;
    QCheckBox* m_allComputers = nullptr;
    QCheckBox* m_breaks = nullptr;
    QComboBox* m_breakAfter = nullptr;
    QComboBox* m_breakIdle = nullptr;
};
