// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window properties as any X11 client may set them (WM_CLASS, _GTK_APPLICATION_ID,
// _KDE_NET_WM_DESKTOP_FILE) with the process facts beside them, down to the application they name.
// Fields are separated by NUL NUL; the first byte says which string properties are UTF8_STRING.
#include "AppIdentity.h"
#include "DesktopEntries.h"
#include "FuzzSupport.h"

#include <QDir>

namespace {

// A few installed entries, so that the lookups by id, class and cgroup unit have something to find.
DesktopEntries installedEntries()
{
    const QString folder = Fuzz::scratchFolder() + QStringLiteral("/applications");
    QDir().mkpath(folder);
    Fuzz::writeScratchFile(QStringLiteral("applications/firefox-esr.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Firefox ESR\nExec=/usr/lib/firefox-esr/firefox-esr "
                           "%u\nStartupWMClass=Firefox-esr\n");
    Fuzz::writeScratchFile(QStringLiteral("applications/org.gnome.Nautilus.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Files\nExec=nautilus --new-window %U\n");
    Fuzz::writeScratchFile(QStringLiteral("applications/org.mozilla.firefox.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Firefox\nExec=/usr/bin/flatpak run "
                           "org.mozilla.firefox\n");
    return DesktopEntries::load({folder}, NameLocale::parse(QStringLiteral("C")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const DesktopEntries entries = installedEntries();
    if (size < 1)
        return 0;
    const uint8_t types = data[0];
    QList<QByteArray> fields;
    QByteArray rest = Fuzz::bytes(data + 1, size - 1);
    for (int i = 0; i < 5; ++i) {
        const qsizetype end = rest.indexOf(QByteArray("\0\0", 2));
        fields.append(end < 0 ? rest : rest.left(end));
        rest = end < 0 ? QByteArray() : rest.mid(end + 2);
    }

    WindowFacts facts;
    AppIdentity::readWindowClass(facts, fields[0]);
    facts.gtkApplicationId = AppIdentity::propertyText(fields[1], types & 1);
    facts.kdeDesktopFile = AppIdentity::propertyText(fields[2], types & 2);
    facts.pid = types & 4 ? 4242 : 0;
    facts.cgroup = QString::fromUtf8(fields[3]);
    facts.flatpakId = AppIdentity::flatpakId(fields[4]);
    facts.command = QString::fromLatin1(rest.left(15)).trimmed();

    if (const std::optional<RunningApp> app = AppIdentity::resolve(facts, entries)) {
        FUZZ_REQUIRE(!app->desktopId.isEmpty());
        FUZZ_REQUIRE(app->pid == facts.pid);
    }
    return 0;
}
