// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UsageItem.h"
#include "Workspace.h"

#include <QDateTime>
#include <QList>
#include <QTimeZone>
#include <optional>

// The made-up history the previews show: ten items over thirty days.
namespace PreviewSample {

// Rows for today and the 29 days before it, today first, scaled so today adds up to todayMinutes
// (265 minutes when none is given).
QList<UsageRow> entries(std::optional<double> todayMinutes, const QDateTime& now, const QTimeZone& zone);

// The sample items the settings preview shows as not tracked.
QList<UsageItem> exclusions();

// The applications the welcome preview finds running: two browsers, so it shows their rows, and one other.
QList<RunningApp> runningApplications();

} // namespace PreviewSample
