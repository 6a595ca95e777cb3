#include "LinuxPlatform.h"

#include "AtspiAccessibility.h"
#include "LinuxSessionState.h"
#include "LinuxSystemEvents.h"
#include "X11Workspace.h"
#include "XdgPlaces.h"

#include <QDBusConnection>

std::unique_ptr<LinuxPlatform> LinuxPlatform::create()
{
    std::unique_ptr<X11Workspace> workspace = X11Workspace::connect();
    if (!workspace)
        return nullptr;
    std::unique_ptr<LinuxPlatform> result(new LinuxPlatform);
    X11Workspace* x11 = workspace.get();
    result->m_workspace = std::move(workspace);
    result->m_session = std::make_unique<LinuxSessionState>(
        QDBusConnection::systemBus(), QDBusConnection::sessionBus(), [x11] { return x11->secondsSinceLastInput(); },
        [x11] { return x11->displayIsAsleep(); });
    result->m_events = std::make_unique<LinuxSystemEvents>(QDBusConnection::systemBus());
    result->m_places = std::make_unique<XdgPlaces>();
    result->m_accessibility = std::make_unique<AtspiAccessibility>();
    result->m_accessibility->connectNow();
    return result;
}

LinuxPlatform::~LinuxPlatform() = default;

Platform LinuxPlatform::platform()
{
    return Platform{m_workspace.get(), m_session.get(), m_events.get(), m_places.get(), &m_clock,
                    m_accessibility.get()};
}

QList<RunningApp> LinuxPlatform::runningApplications() const
{
    return m_workspace->runningApplications();
}

QString LinuxPlatform::sourcesDescription() const
{
    return m_workspace->sourcesDescription() + QStringLiteral("; ") + m_session->sourcesDescription();
}
