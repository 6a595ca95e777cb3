#pragma once

#include <QDBusConnection>
#include <QString>
#include <optional>

// Horavane's GNOME Shell extension as a user sets it up: copied into the user's own extensions folder when no
// package installed it, and enabled in the shell's settings. GNOME Shell on Wayland loads a newly enabled
// extension only at the next log-in.
namespace GnomeExtension {
extern const QString uuid;

// The shell's major version, from the running shell or else its program; 0 when neither tells.
int shellVersion(const QDBusConnection& bus);
// The folder holding the extension, installed by a package or by the user; empty when none.
QString installedFolder();
// Copies the extension's form for this shell version into the user's extensions folder (replacing an older
// copy there). Returns what went wrong.
std::optional<QString> install(int shellVersion);
// Installs the extension unless a package did, and enables it. Returns what went wrong.
std::optional<QString> enable(const QDBusConnection& bus);
} // namespace GnomeExtension
