// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShellSettings.h"

// GLib names a struct member "signals", which Qt defines as a keyword.
#undef signals
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <QCoreApplication>
#include <QStringList>
#include <memory>

namespace {

constexpr const char* schemaId = "org.gnome.shell";
constexpr const char* enabledKey = "enabled-extensions";
constexpr const char* disabledKey = "disabled-extensions";
constexpr const char* userExtensionsOffKey = "disable-user-extensions";

struct ObjectUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
using SettingsPtr = std::unique_ptr<GSettings, ObjectUnref>;

// None when the shell's settings are not installed: GSettings aborts the program on an unknown schema.
SettingsPtr shellSettings()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
    if (!schema)
        return nullptr;
    const bool complete = g_settings_schema_has_key(schema, enabledKey) &&
                          g_settings_schema_has_key(schema, disabledKey) &&
                          g_settings_schema_has_key(schema, userExtensionsOffKey);
    g_settings_schema_unref(schema);
    return complete ? SettingsPtr(g_settings_new(schemaId)) : nullptr;
}

QStringList list(GSettings* settings, const char* key)
{
    gchar** values = g_settings_get_strv(settings, key);
    QStringList result;
    for (gchar** value = values; *value; ++value)
        result.append(QString::fromUtf8(*value));
    g_strfreev(values);
    return result;
}

bool setList(GSettings* settings, const char* key, const QStringList& values)
{
    std::vector<QByteArray> bytes;
    std::vector<const gchar*> pointers;
    for (const QString& value : values)
        bytes.push_back(value.toUtf8());
    for (const QByteArray& value : bytes)
        pointers.push_back(value.constData());
    pointers.push_back(nullptr);
    return g_settings_set_strv(settings, key, pointers.data());
}

} // namespace

bool ShellSettings::starts(const QString& uuid)
{
    const SettingsPtr settings = shellSettings();
    return settings && list(settings.get(), enabledKey).contains(uuid) &&
           !g_settings_get_boolean(settings.get(), userExtensionsOffKey);
}

std::optional<QString> ShellSettings::switchOn(const QString& uuid)
{
    const SettingsPtr settings = shellSettings();
    if (!settings)
        return QCoreApplication::translate("ShellSettings", "GNOME Shell's settings are not installed");
    // Without dconf, GSettings keeps values in this process's memory: the shell would never see them.
    GSettingsBackend* backend = g_settings_backend_get_default();
    const bool kept = qstrcmp(G_OBJECT_TYPE_NAME(backend), "GMemorySettingsBackend") != 0;
    g_object_unref(backend);
    if (!kept)
        return QCoreApplication::translate("ShellSettings", "no settings store is running (dconf)");

    QStringList enabled = list(settings.get(), enabledKey);
    QStringList disabled = list(settings.get(), disabledKey);
    bool written = true;
    if (!enabled.contains(uuid))
        written = setList(settings.get(), enabledKey, enabled << uuid);
    if (disabled.removeAll(uuid) > 0)
        written = setList(settings.get(), disabledKey, disabled) && written;
    if (g_settings_get_boolean(settings.get(), userExtensionsOffKey))
        written = g_settings_set_boolean(settings.get(), userExtensionsOffKey, FALSE) && written;
    g_settings_sync(); // the program may exit right after
    if (!written)
        return QCoreApplication::translate("ShellSettings", "GNOME Shell's settings cannot be changed");
    return std::nullopt;
}
