// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Period.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

// How a preview run was asked for on the command line. Every value that cannot be read counts as absent.
struct PreviewOptions
{
    enum class View { popover, icons, settings, welcome, history };
    enum class Appearance { system, light, dark };

    View view = View::popover;
    bool real = false;
    bool empty = false;
    std::optional<double> minutes;
    Appearance appearance = Appearance::system;
    std::optional<int> colors; // none: the "chartColors" setting is removed
    Period period = Period::week;
    bool hover = false;
    std::optional<QPointF> pointer;
    double seconds = 6;
    QString png; // save the window as PNG here and quit

    static PreviewOptions parse(const QStringList& arguments);
};
