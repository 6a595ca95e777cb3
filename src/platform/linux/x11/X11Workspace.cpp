// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Workspace.h"

#include "AppIdentity.h"
#include "X11Connection.h"

#include <QCoreApplication>
#include <QSocketNotifier>

namespace {

// Windows are dropped from the cache when destroyed; the cap only guards against missed notices.
constexpr qsizetype mostCachedWindows = 512;

// The queries of the Workspace interface are const, yet answering them reads the connection and fills caches.
X11Workspace* mutableSelf(const X11Workspace* self)
{
    return const_cast<X11Workspace*>(self);
}

} // namespace

std::unique_ptr<X11Workspace> X11Workspace::create(QString* whyNot, QObject* parent)
{
    std::unique_ptr<X11Connection> connection = X11Connection::open(X11Connection::Use::windows);
    if (!connection) {
        *whyNot = QStringLiteral("no X display at \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
        return nullptr;
    }
    return std::unique_ptr<X11Workspace>(new X11Workspace(std::move(connection), parent));
}

bool X11Workspace::displayReachable()
{
    return X11Connection::open(X11Connection::Use::windows) != nullptr;
}

X11Workspace::X11Workspace(std::unique_ptr<X11Connection> connection, QObject* parent)
    : LinuxWorkspace(parent), m_x(std::move(connection))
{
    m_notifier = new QSocketNotifier(m_x->fileDescriptor(), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] { pump(true, Announce::now); });
    m_x->setEventsLeftBehindHandler([this] { pumpLater(); });
    m_activeWindow = m_x->activeWindow();
}

X11Workspace::~X11Workspace() = default;

std::optional<RunningApp> X11Workspace::frontmostApplication() const
{
    X11Workspace* self = mutableSelf(this);
    if (m_x->hasFailed()) // the session is gone; what was in front then is not in front now
        return std::nullopt;
    // Read what the server has sent, so a switch that just happened is seen even before the event loop runs.
    self->pump(true, Announce::later);
    if (m_activeWindow == 0)
        return std::nullopt;
    const auto cached = m_apps.constFind(m_activeWindow);
    if (cached != m_apps.cend())
        return *cached;
    return self->describe(m_activeWindow);
}

QList<RunningApp> X11Workspace::runningApplications() const
{
    X11Workspace* self = mutableSelf(this);
    QList<RunningApp> apps;
    for (const quint32 window : m_x->clientWindows()) {
        const auto cached = m_apps.constFind(window);
        LinuxWorkspace::appendOnce(apps, cached != m_apps.cend() ? *cached : self->describe(window));
    }
    return apps;
}

QString X11Workspace::description() const
{
    return m_x->sourcesDescription();
}

quint64 X11Workspace::roundTrips() const
{
    return m_x->roundTrips();
}

void X11Workspace::pump(bool readSocket, Announce announce)
{
    if (m_pumping)
        return;
    m_pumping = true;
    bool changed = false;
    QList<X11Event> events = m_x->takeEvents(readSocket);
    while (!events.isEmpty()) {
        bool activeMoved = false;
        for (const X11Event& event : std::as_const(events)) {
            switch (event.kind) {
            case X11Event::Kind::activeWindowChanged:
                activeMoved = true;
                break;
            case X11Event::Kind::windowDestroyed:
                m_apps.remove(event.window);
                break;
            case X11Event::Kind::idleAlarm:
                break; // on the idle source's connection
            }
        }
        if (activeMoved) {
            const quint32 active = m_x->activeWindow();
            changed = changed || active != m_activeWindow;
            m_activeWindow = active;
        }
        events = m_x->takeEvents(false); // whatever arrived while waiting for a reply
    }
    m_pumping = false;
    if (m_x->hasFailed()) // the server is gone: stop watching a socket that would stay readable
        m_notifier->setEnabled(false);
    if (!changed)
        return;
    if (announce == Announce::now)
        emit applicationActivated();
    else // the caller is in the middle of a sample; let it finish first
        QMetaObject::invokeMethod(this, &X11Workspace::applicationActivated, Qt::QueuedConnection);
}

void X11Workspace::pumpLater()
{
    if (m_pumping || m_pumpPosted)
        return;
    m_pumpPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pumpPosted = false;
            pump(false, Announce::now);
        },
        Qt::QueuedConnection);
}

std::optional<RunningApp> X11Workspace::describe(quint32 window)
{
    // X reuses the ids of destroyed windows: only a window whose end we will hear of may be remembered.
    // One already gone (the front window of a program that just quit) is nothing, and not kept.
    if (!m_x->watchDestruction(window))
        return std::nullopt;
    WindowFacts facts = m_x->windowFacts(window);
    std::optional<RunningApp> app;
    if (facts.pid == QCoreApplication::applicationPid()) {
        app = AppIdApplications::own();
    } else {
        AppIdentity::readProcess(facts);
        app =
            m_identities.describe([&](const DesktopEntries& entries) { return AppIdentity::resolve(facts, entries); });
    }
    if (m_apps.size() >= mostCachedWindows)
        m_apps.clear();
    m_apps.insert(window, app);
    return app;
}
