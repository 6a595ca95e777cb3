// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WlrootsWorkspace.h"

#include "WaylandConnection.h"

#include <wlr-foreign-toplevel-management-unstable-v1-client-protocol.h>

#include <algorithm>
#include <list>

namespace {
// The protocol, as the log names it.
const QString protocolName = QStringLiteral("zwlr_foreign_toplevel_manager_v1");
} // namespace

// One window: what the compositor has said, and what takes effect at its next `done`.
struct WlrootsWorkspace::Window
{
    WlrootsWorkspace* owner = nullptr;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    QString appId;
    QString pendingAppId;
    bool activated = false;
    bool pendingActivated = false;
    bool described = false;
    std::optional<RunningApp> app;
};

struct WlrootsWorkspace::Private
{
    zwlr_foreign_toplevel_manager_v1* manager = nullptr;
    std::list<Window> windows; // oldest first; addresses stay put for the listeners

    static Window& of(void* data) { return *static_cast<Window*>(data); }
    static void title(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* id)
    {
        of(data).pendingAppId = QString::fromUtf8(id);
    }
    static void outputEnter(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void outputLeave(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states)
    {
        const auto* begin = static_cast<const quint32*>(states->data);
        const auto* end = begin + states->size / sizeof(quint32);
        of(data).pendingActivated =
            std::find(begin, end, quint32(ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)) != end;
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*) { of(data).owner->windowDone(of(data)); }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1*) { of(data).owner->windowClosed(of(data)); }

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle)
    {
        static const zwlr_foreign_toplevel_handle_v1_listener listener = {&title, &appId, &outputEnter, &outputLeave,
                                                                          &state, &done,  &closed};
        auto* self = static_cast<WlrootsWorkspace*>(data);
        Window& window = self->d->windows.emplace_back();
        window.owner = self;
        window.handle = handle;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &listener, &window);
    }
    static void finished(void* data, zwlr_foreign_toplevel_manager_v1* manager)
    {
        auto* self = static_cast<WlrootsWorkspace*>(data);
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
        self->d->manager = nullptr;
    }
};

std::unique_ptr<WlrootsWorkspace> WlrootsWorkspace::create(WaylandConnection& connection, QString* whyNot,
                                                           QObject* parent)
{
    auto d = std::make_unique<Private>();
    d->manager =
        static_cast<zwlr_foreign_toplevel_manager_v1*>(connection.bind(&zwlr_foreign_toplevel_manager_v1_interface, 2));
    if (!d->manager) {
        *whyNot = QStringLiteral("no ") + protocolName;
        return nullptr;
    }
    std::unique_ptr<WlrootsWorkspace> workspace(new WlrootsWorkspace(connection, std::move(d), parent));
    connection.roundTrip(); // the windows already open, and which of them is activated
    return workspace;
}

WlrootsWorkspace::WlrootsWorkspace(WaylandConnection& connection, std::unique_ptr<Private> d, QObject* parent)
    : LinuxWorkspace(parent), m_connection(connection), d(std::move(d))
{
    static const zwlr_foreign_toplevel_manager_v1_listener listener = {&Private::toplevel, &Private::finished};
    zwlr_foreign_toplevel_manager_v1_add_listener(this->d->manager, &listener, this);
    QObject::connect(&m_connection, &WaylandConnection::failed, this, [this] {
        // The compositor is gone: what was in front then is not in front now.
        const bool hadFront = m_front.has_value();
        m_front.reset();
        if (hadFront)
            emit applicationActivated();
    });
}

WlrootsWorkspace::~WlrootsWorkspace()
{
    // The proxies go in any case: the connection outlives this object, and an event for a proxy left behind
    // (a window the compositor adds before it sees `stop`, or `finished`) would reach a listener that is gone.
    // On a failed connection libwayland sends nothing and only frees them.
    for (Window& window : d->windows)
        zwlr_foreign_toplevel_handle_v1_destroy(window.handle);
    if (d->manager) {
        if (!m_connection.hasFailed())
            zwlr_foreign_toplevel_manager_v1_stop(d->manager);
        zwlr_foreign_toplevel_manager_v1_destroy(d->manager);
    }
    m_connection.flush();
}

std::optional<RunningApp> WlrootsWorkspace::frontmostApplication() const
{
    return m_front;
}

QList<RunningApp> WlrootsWorkspace::runningApplications() const
{
    auto* self = const_cast<WlrootsWorkspace*>(this); // describing a window fills its cache
    QList<RunningApp> apps;
    for (Window& window : self->d->windows)
        appendOnce(apps, self->application(window));
    return apps;
}

QString WlrootsWorkspace::description() const
{
    return protocolName;
}

void WlrootsWorkspace::windowDone(Window& window)
{
    if (window.pendingAppId != window.appId) {
        window.appId = window.pendingAppId;
        window.described = false;
    }
    window.activated = window.pendingActivated;
    updateFront();
}

void WlrootsWorkspace::windowClosed(Window& window)
{
    zwlr_foreign_toplevel_handle_v1_destroy(window.handle);
    d->windows.remove_if([&](const Window& other) { return &other == &window; });
    updateFront();
}

void WlrootsWorkspace::updateFront()
{
    std::optional<RunningApp> front;
    for (Window& window : d->windows) {
        if (window.activated)
            front = application(window);
    }
    if (front == m_front)
        return;
    m_front = front;
    emit applicationActivated();
}

std::optional<RunningApp> WlrootsWorkspace::application(Window& window)
{
    if (!window.described) {
        window.app = window.appId.isEmpty() ? std::nullopt : m_apps.describe(window.appId, 0);
        window.described = true;
    }
    return window.app;
}
