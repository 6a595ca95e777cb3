// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// GNOME Shell's own settings (org.gnome.shell) for the extensions it starts, read and written through GSettings as
// the shell and its Extensions application do. The shell follows them while it runs and reads them at log-in.
namespace ShellSettings {
// Whether the shell starts the extension: it is listed as enabled and user extensions are allowed.
bool starts(const QString& uuid);
// Lists the extension as enabled (keeping the other entries), takes it off the disabled list and allows user
// extensions. Returns what went wrong: no GNOME Shell settings here, or no store that keeps them.
std::optional<QString> switchOn(const QString& uuid);
} // namespace ShellSettings
