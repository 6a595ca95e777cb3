// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1String>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

class IdleSource;
class LinuxWorkspace;
class PanelTone;
class PopupPlacement;

// The desktop session Horavane runs in, as choosing its sources needs it: a few facts, cheap to ask, and the
// sources themselves, each of which may still fail to start and then says why. The real session in the
// program, a scripted one in tests.
class DesktopSession
{
public:
    virtual ~DesktopSession() = default;

    virtual bool isWayland() const = 0;
    // Whether XDG_CURRENT_DESKTOP names this desktop ("GNOME", "KDE", "XFCE"), in any case.
    virtual bool names(QLatin1String desktop) const = 0;
    // Whether a service holds this name on the session bus.
    virtual bool hasService(const QString& name) const = 0;
    // Whether the Wayland compositor offers this global interface.
    virtual bool offers(QLatin1String waylandInterface) const = 0;
    // Whether sway's IPC socket is named (SWAYSOCK).
    virtual bool hasSwaySocket() const = 0;

    virtual std::unique_ptr<LinuxWorkspace> x11Windows(QString* whyNot) = 0;
    virtual std::unique_ptr<LinuxWorkspace> kwinWindows(QString* whyNot) = 0;
    virtual std::unique_ptr<LinuxWorkspace> gnomeShellWindows(QString* whyNot) = 0;
    virtual std::unique_ptr<LinuxWorkspace> wlrootsWindows(QString* whyNot) = 0;

    virtual std::unique_ptr<IdleSource> x11Idle(QString* whyNot) = 0;
    virtual std::unique_ptr<IdleSource> waylandIdle(QString* whyNot) = 0;
    virtual std::unique_ptr<IdleSource> mutterIdle(QString* whyNot) = 0;

    // Placements of the window with this title at `position`, its top left corner.
    virtual std::unique_ptr<PopupPlacement> kwinPlacement(const QString& title, std::function<QPoint()> position,
                                                          QString* whyNot) = 0;
    virtual std::unique_ptr<PopupPlacement> swayPlacement(const QString& title, std::function<QPoint()> position,
                                                          QString* whyNot) = 0;

    enum class Panel
    {
        alwaysDark, // GNOME Shell's top bar and the desktops built on it
        plasma,
        xfce
    };
    virtual std::unique_ptr<PanelTone> panelTone(Panel panel) = 0;
};
