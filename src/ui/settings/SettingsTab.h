// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Which tab of the settings window is shown; kept in "settingsTab" by its raw text.
enum class SettingsTab
{
    general,
    data,
};

namespace SettingsTabs {

QString rawValue(SettingsTab tab);
// The tab of a stored raw text; anything unknown is the general tab.
SettingsTab fromRawValue(const QString& raw);

} // namespace SettingsTabs
