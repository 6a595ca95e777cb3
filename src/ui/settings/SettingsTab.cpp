#include "SettingsTab.h"

QString SettingsTabs::rawValue(SettingsTab tab)
{
    return tab == SettingsTab::data ? QStringLiteral("data") : QStringLiteral("general");
}

SettingsTab SettingsTabs::fromRawValue(const QString& raw)
{
    return raw == QLatin1String("data") ? SettingsTab::data : SettingsTab::general;
}
