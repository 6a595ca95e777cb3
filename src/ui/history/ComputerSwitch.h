// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QButtonGroup;

// Two joined buttons, "This Computer" and "All Computers", that choose whose time the history shows
// when other computers keep copies in the same backup folder.
class ComputerSwitch : public QWidget
{
    Q_OBJECT
public:
    explicit ComputerSwitch(QWidget* parent = nullptr);

    bool allComputers() const { return m_all; }

signals:
    // The user chose the other side.
    void allComputersChanged(bool all);

private:
    QButtonGroup* m_group = nullptr;
    bool m_all = false;
};
