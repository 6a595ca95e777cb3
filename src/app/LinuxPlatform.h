// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "DesktopSession.h"
#include "DesktopSources.h"
#include "Platform.h"

#include <QDBusConnection>
#include <QString>
#include <memory>

class AtspiAccessibility;
class GnomeShellWorkspace;
class IdleSource;
class LinuxSessionState;
class LinuxSystemEvents;
class WaylandConnection;
class XdgPlaces;

// The real desktop: the display server's own sources for windows and input (X11, or on Wayland the
// compositor's: KWin's scripting, GNOME Shell through Horavane's extension, wlroots' window list, idle notifications),
// D-Bus for the session and sleep, XDG for folders. Which source serves each need is chosen once, at start.
class LinuxPlatform final : private DesktopSession
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
    ~LinuxPlatform() override;

    Platform platform();
    const XdgPlaces& places() const { return *m_places; }
    // What was chosen for each need and why, for one line in the log.
    QString sourcesDescription() const;
    // What the user should know when the desktop offers no way to tell the window in front; empty otherwise.
    QString unsupportedDesktopNotice() const;
    // The GNOME Shell backend, whose extension the user may have to enable; none on other desktops.
    GnomeShellWorkspace* gnomeShell() const;
    // The user's idle limit, for sources that must be told in advance when to report idleness.
    void setIdleLimit(double minutes);
    // What moves the popover with this title to the tray item; none where nothing needs to.
    std::unique_ptr<PopupPlacement> choosePopoverPlacement(const QString& title,
                                                           const std::function<QPoint()>& position);
    // Whether the panel with the tray is dark; none when the desktop does not say.
    std::unique_ptr<PanelTone> choosePanelTone();
    bool panelDrawsItemText() const { return m_sources.panelDrawsItemText(); }

private:
    explicit LinuxPlatform(bool wayland);

    bool isWayland() const override { return m_wayland != nullptr; }
    bool names(QLatin1String desktop) const override;
    bool hasService(const QString& name) const override;
    bool offers(QLatin1String waylandInterface) const override;
    bool hasSwaySocket() const override;
    std::unique_ptr<LinuxWorkspace> x11Windows(QString* whyNot) override;
    std::unique_ptr<LinuxWorkspace> kwinWindows(QString* whyNot) override;
    std::unique_ptr<LinuxWorkspace> gnomeShellWindows(QString* whyNot) override;
    std::unique_ptr<LinuxWorkspace> wlrootsWindows(QString* whyNot) override;
    std::unique_ptr<IdleSource> x11Idle(QString* whyNot) override;
    std::unique_ptr<IdleSource> waylandIdle(QString* whyNot) override;
    std::unique_ptr<IdleSource> mutterIdle(QString* whyNot) override;
    std::unique_ptr<PopupPlacement> kwinPlacement(const QString& title, std::function<QPoint()> position,
                                                  QString* whyNot) override;
    std::unique_ptr<PopupPlacement> swayPlacement(const QString& title, std::function<QPoint()> position,
                                                  QString* whyNot) override;
    std::unique_ptr<PanelTone> panelTone(Panel panel) override;

    QDBusConnection m_bus;
    QStringList m_desktops; // XDG_CURRENT_DESKTOP's names, upper case
    std::unique_ptr<WaylandConnection> m_wayland;
    DesktopSources m_sources;
    std::unique_ptr<IdleSource> m_idle;
    std::unique_ptr<LinuxWorkspace> m_workspace;
    std::unique_ptr<LinuxSessionState> m_session;
    std::unique_ptr<LinuxSystemEvents> m_events;
    std::unique_ptr<XdgPlaces> m_places;
    std::unique_ptr<AtspiAccessibility> m_accessibility;
    SystemClock m_clock;
};
