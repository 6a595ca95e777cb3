#include "LinuxPlatform.h"

#include "AppIdIdentity.h"
#include "AtspiAccessibility.h"
#include "GnomeShellWorkspace.h"
#include "KWinWorkspace.h"
#include "LinuxSessionState.h"
#include "LinuxSystemEvents.h"
#include "MutterIdle.h"
#include "WaylandConnection.h"
#include "WaylandIdle.h"
#include "WlrootsWorkspace.h"
#include "X11Workspace.h"
#include "XdgPlaces.h"

#include <QDBusConnection>

namespace {

// The idle limit the recorder uses when the user has set none.
constexpr double defaultIdleMinutes = 2;

// A desktop that offers no way to tell the window in front: nothing is in front, so nothing is recorded.
class UnknownWorkspace final : public Workspace
{
public:
    std::optional<RunningApp> frontmostApplication() const override { return std::nullopt; }
    QString ownIdentifier() const override { return AppIdApplications::ownIdentifier(); }
    QString ownProcessName() const override { return AppIdApplications::ownProcessName(); }
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

std::unique_ptr<LinuxPlatform> LinuxPlatform::create()
{
    std::unique_ptr<LinuxPlatform> result(new LinuxPlatform);
    if (waylandSessionNamed()) {
        result->m_wayland = WaylandConnection::connect();
        if (result->m_wayland) {
            result->chooseWayland();
            return result;
        }
    }
    if (!result->chooseX11())
        return nullptr;
    return result;
}

bool LinuxPlatform::chooseX11()
{
    std::unique_ptr<X11Workspace> workspace = X11Workspace::connect();
    if (!workspace)
        return false;
    X11Workspace* x11 = workspace.get();
    m_workspaceDescription = x11->sourcesDescription();
    m_runningApplications = [x11] { return x11->runningApplications(); };
    m_workspace = std::move(workspace);
    startCommon([x11] { return x11->secondsSinceLastInput(); }, [x11] { return x11->displayIsAsleep(); });
    return true;
}

void LinuxPlatform::chooseWayland()
{
    // The first candidate that answers tells the window in front; idleness comes from the compositor alike.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    m_idle = WaylandIdle::create(*m_wayland);
    if (!m_idle)
        m_mutterIdle = MutterIdle::create(bus); // GNOME's Mutter offers no idle protocol, only its own service
    const QString idle = m_idle         ? QStringLiteral("idle from ") + m_idle->protocolName()
                         : m_mutterIdle ? QStringLiteral("idle from org.gnome.Mutter.IdleMonitor")
                                        : QStringLiteral("no idle notification (idle time unknown)");
    const QString display = QStringLiteral("Wayland ") + m_wayland->displayName();
    QString kwinProblem;
    if (std::unique_ptr<KWinWorkspace> kwin = KWinWorkspace::create(bus, &kwinProblem)) {
        KWinWorkspace* workspace = kwin.get();
        m_workspaceDescription =
            display + QStringLiteral(" (KWin script %1, ").arg(workspace->scriptId()) + idle + QLatin1Char(')');
        m_runningApplications = [workspace] { return workspace->runningApplications(); };
        m_workspace = std::move(kwin);
    } else if (GnomeShellWorkspace::shellRuns(bus)) {
        auto gnome = std::make_unique<GnomeShellWorkspace>(bus);
        GnomeShellWorkspace* workspace = gnome.get();
        m_gnomeShell = workspace;
        m_workspaceDescription =
            display + QStringLiteral(" (GNOME Shell, Horavane's extension ") +
            (workspace->extensionAnswers() ? QStringLiteral("answering, ") : QStringLiteral("not answering yet, ")) +
            idle + QLatin1Char(')');
        m_runningApplications = [workspace] { return workspace->runningApplications(); };
        m_workspace = std::move(gnome);
    } else if (std::unique_ptr<WlrootsWorkspace> wlroots = WlrootsWorkspace::create(*m_wayland)) {
        WlrootsWorkspace* workspace = wlroots.get();
        m_workspaceDescription =
            display + QStringLiteral(" (zwlr_foreign_toplevel_manager_v1, ") + idle + QLatin1Char(')');
        m_runningApplications = [workspace] { return workspace->runningApplications(); };
        m_workspace = std::move(wlroots);
    } else {
        m_workspaceDescription = display + QStringLiteral(" (unknown compositor: no KWin (") + kwinProblem +
                                 QStringLiteral("), no GNOME Shell, no zwlr_foreign_toplevel_manager_v1; nothing is "
                                                "recorded; ") +
                                 idle + QLatin1Char(')');
        m_notice = QStringLiteral("Horavane can't see which application is in front on this desktop, so it records "
                                  "nothing. It works on GNOME, on KDE Plasma, on wlroots desktops such as sway, and "
                                  "on X11.");
        m_runningApplications = [] { return QList<RunningApp>(); };
        m_workspace = std::make_unique<UnknownWorkspace>();
    }
    WaylandIdle* waylandIdle = m_idle.get();
    MutterIdle* mutterIdle = m_mutterIdle.get();
    startCommon(
        [waylandIdle, mutterIdle] {
            return waylandIdle  ? waylandIdle->secondsSinceLastInput()
                   : mutterIdle ? mutterIdle->secondsSinceLastInput()
                                : 0.0;
        },
        [] { return false; }); // no display power state on Wayland: the lock and logind tell instead
}

void LinuxPlatform::startCommon(std::function<double()> idleSeconds, std::function<bool()> displayAsleep)
{
    m_session = std::make_unique<LinuxSessionState>(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                                                    std::move(idleSeconds), std::move(displayAsleep));
    m_events = std::make_unique<LinuxSystemEvents>(QDBusConnection::systemBus());
    m_places = std::make_unique<XdgPlaces>();
    m_accessibility = std::make_unique<AtspiAccessibility>();
    m_accessibility->connectNow();
}

LinuxPlatform::~LinuxPlatform() = default;

Platform LinuxPlatform::platform()
{
    return Platform{m_workspace.get(), m_session.get(), m_events.get(),
                    m_places.get(),    &m_clock,        m_accessibility.get()};
}

QList<RunningApp> LinuxPlatform::runningApplications() const
{
    return m_runningApplications();
}

QString LinuxPlatform::sourcesDescription() const
{
    return m_workspaceDescription + QStringLiteral("; ") + m_session->sourcesDescription();
}

void LinuxPlatform::setIdleLimit(double minutes)
{
    const qint64 limit = qint64((minutes > 0 ? minutes : defaultIdleMinutes) * 60 * 1000);
    if (m_idle)
        m_idle->setLimit(limit);
    if (m_mutterIdle)
        m_mutterIdle->setLimit(limit);
}
