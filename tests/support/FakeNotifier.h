// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Notifier.h"

#include <QList>

// A desktop that keeps every notice shown, for a test to read.
class FakeNotifier final : public Notifier
{
public:
    void show(const Notice& notice) override { shown.append(notice); }
    // As if the user chose the action of the last notice.
    void chooseAction() { emit actionChosen(); }

    QList<Notice> shown;
};
