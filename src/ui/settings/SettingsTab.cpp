// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsTab.h"

QString SettingsTabs::rawValue(SettingsTab tab)
{
    return tab == SettingsTab::data ? QStringLiteral("data") : QStringLiteral("general");
}

SettingsTab SettingsTabs::fromRawValue(const QString& raw)
{
    return raw == QLatin1String("data") ? SettingsTab::data : SettingsTab::general;
}
