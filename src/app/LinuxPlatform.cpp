// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxPlatform.h"

#include "AppIdIdentity.h"
#include "AtspiAccessibility.h"
#include "GnomeShellWorkspace.h"
#include "KWinWorkspace.h"
#include "LinuxSessionState.h"
#include "LinuxSystemEvents.h"
#include "MutterIdle.h"
#include "Settings.h"
#include "WaylandConnection.h"
#include "WaylandIdle.h"
#include "WlrootsWorkspace.h"
#include "X11Workspace.h"
#include "XdgPlaces.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QStringList>
#include <functional>

namespace {

// A compositor that offers no way to tell the window in front: nothing is in front, so nothing is recorded.
class UnknownWorkspace final : public LinuxWorkspace
{
public:
    // whyNots: what each known compositor's backend found missing.
    explicit UnknownWorkspace(const QStringList& whyNots) : m_whyNots(whyNots) {}

    std::optional<RunningApp> frontmostApplication() const override { return std::nullopt; }
    QList<RunningApp> runningApplications() const override { return {}; }
    QString ownIdentifier() const override { return AppIdApplications::ownIdentifier(); }
    QString ownProcessName() const override { return AppIdApplications::ownProcessName(); }
    QString description() const override
    {
        return QStringLiteral("unknown compositor: %1; nothing is recorded").arg(m_whyNots.join(QStringLiteral(", ")));
    }

private:
    QStringList m_whyNots;
};

// A compositor that tells no idleness: the user never counts as idle.
class NoIdleSource final : public IdleSource
{
public:
    void setLimit(qint64) override {}
    double secondsSinceLastInput() const override { return 0; }
    QString description() const override { return QStringLiteral("no idle notification (idle time unknown)"); }
};

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

std::unique_ptr<LinuxPlatform> LinuxPlatform::create(Session session)
{
    std::unique_ptr<LinuxPlatform> result(new LinuxPlatform);
    if (!(session == Session::wayland ? result->chooseWayland() : result->chooseX11()))
        return nullptr;
    result->m_events = std::make_unique<LinuxSystemEvents>(QDBusConnection::systemBus());
    result->m_places = std::make_unique<XdgPlaces>();
    result->m_accessibility = std::make_unique<AtspiAccessibility>();
    result->m_accessibility->connectNow();
    return result;
}

bool LinuxPlatform::chooseX11()
{
    QString whyNot;
    std::unique_ptr<X11Workspace> workspace = X11Workspace::create(&whyNot);
    if (!workspace)
        return false;
    X11Workspace* x11 = workspace.get();
    m_workspaceDescription = x11->description();
    m_session = std::make_unique<LinuxSessionState>(
        QDBusConnection::systemBus(), QDBusConnection::sessionBus(), [x11] { return x11->secondsSinceLastInput(); },
        [x11] { return x11->displayIsAsleep(); });
    m_workspace = std::move(workspace);
    return true;
}

bool LinuxPlatform::chooseWayland()
{
    m_wayland = WaylandConnection::connect();
    if (!m_wayland)
        return false;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    m_idle = WaylandIdle::create(*m_wayland);
    if (!m_idle)
        m_idle = MutterIdle::create(bus); // GNOME's Mutter offers no idle protocol, only its own service
    if (!m_idle)
        m_idle = std::make_unique<NoIdleSource>();
    // The first compositor whose backend answers tells the window in front.
    const std::function<std::unique_ptr<LinuxWorkspace>(QString*)> candidates[] = {
        [&](QString* whyNot) { return KWinWorkspace::create(bus, whyNot); },
        [&](QString* whyNot) { return GnomeShellWorkspace::create(bus, whyNot); },
        [&](QString* whyNot) { return WlrootsWorkspace::create(*m_wayland, whyNot); },
    };
    QStringList whyNots;
    for (const auto& create : candidates) {
        QString whyNot;
        if ((m_workspace = create(&whyNot)))
            break;
        whyNots.append(whyNot);
    }
    if (!m_workspace) {
        m_workspace = std::make_unique<UnknownWorkspace>(whyNots);
        m_notice = QCoreApplication::translate("LinuxPlatform",
                                               "Horavane can't see which application is in front on this desktop, so "
                                               "it records nothing. It works on GNOME, on KDE Plasma, on wlroots "
                                               "desktops such as sway, and on X11.");
    }
    m_workspaceDescription = QStringLiteral("Wayland %1 (%2, %3)")
                                 .arg(m_wayland->displayName(), m_workspace->description(), m_idle->description());
    IdleSource* idle = m_idle.get();
    m_session = std::make_unique<LinuxSessionState>(
        QDBusConnection::systemBus(), bus, [idle] { return idle->secondsSinceLastInput(); },
        [] { return false; }); // no display power state on Wayland: the lock and logind tell instead
    return true;
}

LinuxPlatform::~LinuxPlatform() = default;

Platform LinuxPlatform::platform()
{
    return Platform{m_workspace.get(), m_session.get(), m_events.get(),
                    m_places.get(),    &m_clock,        m_accessibility.get()};
}

QString LinuxPlatform::sourcesDescription() const
{
    return m_workspaceDescription + QStringLiteral("; ") + m_session->sourcesDescription();
}

GnomeShellWorkspace* LinuxPlatform::gnomeShell() const
{
    return qobject_cast<GnomeShellWorkspace*>(m_workspace.get());
}

void LinuxPlatform::setIdleLimit(double minutes)
{
    const qint64 limit = qint64(Settings::idleLimitMinutes(minutes) * 60 * 1000);
    if (m_idle)
        m_idle->setLimit(limit);
    else if (auto* x11 = qobject_cast<X11Workspace*>(m_workspace.get()))
        x11->setIdleLimit(limit);
}
