// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "Platform.h"

#include <QString>
#include <memory>

class AtspiAccessibility;
class GnomeShellWorkspace;
class IdleSource;
class LinuxSessionState;
class LinuxSystemEvents;
class LinuxWorkspace;
class WaylandConnection;
class XdgPlaces;

// The real desktop: the display server's own sources for windows and input (X11, or on Wayland the
// compositor's: KWin's scripting, GNOME Shell through Horavane's extension, wlroots' window list, idle notifications),
// D-Bus for the session and sleep, XDG for folders.
class LinuxPlatform
{
public:
    enum class Session
    {
        none,
        x11,
        wayland
    };
    // The kind of session this program runs in, decided from the environment and what answers; needs no Qt
    // application object. A Wayland session is never read through X11 first.
    static Session session();

    // The desktop of an x11 or wayland session; none when its display went away since the session was decided.
    static std::unique_ptr<LinuxPlatform> create(Session session);
    ~LinuxPlatform();

    Platform platform();
    const XdgPlaces& places() const { return *m_places; }
    // Which desktop sources answered, for one line in the log.
    QString sourcesDescription() const;
    // What the user should know when the desktop offers no way to tell the window in front; empty otherwise.
    QString unsupportedDesktopNotice() const { return m_notice; }
    // The GNOME Shell backend, whose extension the user may have to enable; none on other desktops.
    GnomeShellWorkspace* gnomeShell() const;
    // The user's idle limit, for sources that must be told in advance when to report idleness.
    void setIdleLimit(double minutes);

private:
    LinuxPlatform() = default;
    bool chooseX11();
    bool chooseWayland();

    std::unique_ptr<WaylandConnection> m_wayland;
    std::unique_ptr<IdleSource> m_idle; // on Wayland; X11 tells idleness itself
    std::unique_ptr<LinuxWorkspace> m_workspace;
    QString m_workspaceDescription;
    QString m_notice;
    std::unique_ptr<LinuxSessionState> m_session;
    std::unique_ptr<LinuxSystemEvents> m_events;
    std::unique_ptr<XdgPlaces> m_places;
    std::unique_ptr<AtspiAccessibility> m_accessibility;
    SystemClock m_clock;
};
