// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Summary.h"

#include <QList>

// What the tray ring shows: today's largest shares and today's whole minutes.
struct Glance
{
    QList<int> shares; // percent in steps of 2, at most 8, in summary order; empty under one minute
    qint64 minutes = 0;

    Glance() = default;
    explicit Glance(const Summary& summary);

    bool operator==(const Glance&) const = default;
};
