// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxPlatform.h"

#include "AtspiAccessibility.h"
#include "DesktopPanelTone.h"
#include "GnomeShellWorkspace.h"
#include "IdleSource.h"
#include "KWinPopupPlacement.h"
#include "KWinWorkspace.h"
#include "LinuxSessionState.h"
#include "LinuxSystemEvents.h"
#include "MutterIdle.h"
#include "Settings.h"
#include "SwayPopupPlacement.h"
#include "WaylandConnection.h"
#include "WaylandIdle.h"
#include "WlrootsWorkspace.h"
#include "X11Idle.h"
#include "X11Workspace.h"
#include "XdgPlaces.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>

namespace {

bool waylandSessionNamed()
{
    const QByteArray type = qgetenv("XDG_SESSION_TYPE");
    if (type == "x11")
        return false;
    return type == "wayland" || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

LinuxPlatform::Session LinuxPlatform::session()
{
    if (waylandSessionNamed() && WaylandConnection::displayReachable())
        return Session::wayland;
    return X11Workspace::displayReachable() ? Session::x11 : Session::none;
}

LinuxPlatform::LinuxPlatform(bool wayland)
    : m_bus(QDBusConnection::sessionBus()),
      m_desktops(qEnvironmentVariable("XDG_CURRENT_DESKTOP").toUpper().split(u':', Qt::SkipEmptyParts)),
      m_wayland(wayland ? WaylandConnection::connect() : nullptr), m_sources(*this)
{
}

std::unique_ptr<LinuxPlatform> LinuxPlatform::create(Session session)
{
    std::unique_ptr<LinuxPlatform> result(new LinuxPlatform(session == Session::wayland));
    if (session == Session::wayland && !result->m_wayland)
        return nullptr;
    result->m_workspace = result->m_sources.windowInFront();
    if (!result->m_workspace)
        return nullptr;
    result->m_idle = result->m_sources.idle();
    IdleSource* idle = result->m_idle.get();
    result->m_session = std::make_unique<LinuxSessionState>(
        QDBusConnection::systemBus(), result->m_bus, [idle] { return idle->secondsSinceLastInput(); },
        [idle] { return idle->displayIsAsleep(); });
    result->m_events = std::make_unique<LinuxSystemEvents>(QDBusConnection::systemBus());
    result->m_places = std::make_unique<XdgPlaces>();
    result->m_accessibility = std::make_unique<AtspiAccessibility>();
    result->m_accessibility->connectNow();
    return result;
}

LinuxPlatform::~LinuxPlatform() = default;

Platform LinuxPlatform::platform()
{
    return Platform{m_workspace.get(), m_session.get(), m_events.get(),
                    m_places.get(),    &m_clock,        m_accessibility.get()};
}

QString LinuxPlatform::sourcesDescription() const
{
    const QString display = m_wayland ? QStringLiteral("Wayland ") + m_wayland->displayName() : QStringLiteral("X11");
    return display + QStringLiteral("; ") + m_sources.description() + QStringLiteral("; ") +
           m_session->sourcesDescription();
}

QString LinuxPlatform::unsupportedDesktopNotice() const
{
    if (!m_sources.windowInFrontUnknown())
        return {};
    return QCoreApplication::translate("LinuxPlatform",
                                       "Horavane can't see which application is in front on this desktop, so "
                                       "it records nothing. It works on GNOME, on KDE Plasma, on wlroots "
                                       "desktops such as sway, and on X11.");
}

GnomeShellWorkspace* LinuxPlatform::gnomeShell() const
{
    return qobject_cast<GnomeShellWorkspace*>(m_workspace.get());
}

void LinuxPlatform::setIdleLimit(double minutes)
{
    m_idle->setLimit(qint64(Settings::idleLimitMinutes(minutes) * 60 * 1000));
}

std::unique_ptr<PopupPlacement> LinuxPlatform::choosePopoverPlacement(const QString& title,
                                                                      const std::function<QPoint()>& position)
{
    return m_sources.popoverPlacement(title, position);
}

std::unique_ptr<PanelTone> LinuxPlatform::choosePanelTone()
{
    return m_sources.panelTone();
}

bool LinuxPlatform::names(QLatin1String desktop) const
{
    return m_desktops.contains(desktop);
}

bool LinuxPlatform::hasService(const QString& name) const
{
    return m_bus.interface() && m_bus.interface()->isServiceRegistered(name).value();
}

bool LinuxPlatform::offers(QLatin1String waylandInterface) const
{
    return m_wayland && m_wayland->offers(waylandInterface);
}

bool LinuxPlatform::hasSwaySocket() const
{
    return !qEnvironmentVariableIsEmpty("SWAYSOCK");
}

std::unique_ptr<LinuxWorkspace> LinuxPlatform::x11Windows(QString* whyNot)
{
    return X11Workspace::create(whyNot);
}

std::unique_ptr<LinuxWorkspace> LinuxPlatform::kwinWindows(QString* whyNot)
{
    return KWinWorkspace::create(m_bus, whyNot);
}

std::unique_ptr<LinuxWorkspace> LinuxPlatform::gnomeShellWindows(QString* whyNot)
{
    return GnomeShellWorkspace::create(m_bus, whyNot);
}

std::unique_ptr<LinuxWorkspace> LinuxPlatform::wlrootsWindows(QString* whyNot)
{
    return WlrootsWorkspace::create(*m_wayland, whyNot);
}

std::unique_ptr<IdleSource> LinuxPlatform::x11Idle(QString* whyNot)
{
    return X11Idle::create(whyNot);
}

std::unique_ptr<IdleSource> LinuxPlatform::waylandIdle(QString* whyNot)
{
    std::unique_ptr<IdleSource> idle = WaylandIdle::create(*m_wayland);
    if (!idle)
        *whyNot = QStringLiteral("no seat");
    return idle;
}

std::unique_ptr<IdleSource> LinuxPlatform::mutterIdle(QString* whyNot)
{
    std::unique_ptr<IdleSource> idle = MutterIdle::create(m_bus);
    if (!idle)
        *whyNot = QStringLiteral("no answer");
    return idle;
}

std::unique_ptr<PopupPlacement> LinuxPlatform::kwinPlacement(const QString& title, std::function<QPoint()> position,
                                                             QString* whyNot)
{
    std::unique_ptr<PopupPlacement> placement = KWinPopupPlacement::create(m_bus, title, std::move(position));
    if (!placement)
        *whyNot = QStringLiteral("KWin does not run the script");
    return placement;
}

std::unique_ptr<PopupPlacement> LinuxPlatform::swayPlacement(const QString& title, std::function<QPoint()> position,
                                                             QString* whyNot)
{
    std::unique_ptr<PopupPlacement> placement = SwayPopupPlacement::create(title, std::move(position));
    if (!placement)
        *whyNot = QStringLiteral("sway's IPC socket does not answer");
    return placement;
}

std::unique_ptr<PanelTone> LinuxPlatform::panelTone(Panel panel)
{
    return std::make_unique<DesktopPanelTone>(panel, m_bus);
}
