// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class Tracker;

// Tells when recorded time lives only in memory because the history file will not open, and where
// a damaged history file was put aside when a fresh one was started.
class HistoryFileNotice : public QWidget
{
    Q_OBJECT
public:
    explicit HistoryFileNotice(const Tracker& tracker, QWidget* parent = nullptr);

    // The notice for the tracker's state; empty when there is nothing to tell.
    static QString text(const Tracker& tracker);
    QLabel* label() const { return m_label; }

private:
    void update();

    const Tracker& m_tracker;
    QLabel* m_label = nullptr;
};
