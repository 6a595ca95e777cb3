// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QDialog>

class QSpinBox;
class Settings;

// Asks how long one app or website may be used a day, in hours and minutes from 5 minutes to 12 hours. Return
// accepts, Escape cancels.
class DailyLimitDialog : public QDialog
{
    Q_OBJECT
public:
    DailyLimitDialog(const QString& itemName, int minutes, QWidget* parent = nullptr);

    // The duration chosen, in minutes.
    int minutes() const;
    QSpinBox* hoursBox() const { return m_hours; }
    QSpinBox* minutesBox() const { return m_minutes; }

    // Opens the dialog with the item's limit (an hour when it has none) and stores the limit when it is accepted.
    // The dialog deletes itself when it closes.
    static DailyLimitDialog* ask(Settings& settings, const ItemKey& key, const QString& itemName,
                                 QWidget* parent = nullptr);

private:
    void fitMinutesToHours();

    QSpinBox* m_hours = nullptr;
    QSpinBox* m_minutes = nullptr;
};
