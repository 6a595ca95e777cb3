// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Connection.h"

#include <QStringList>
#include <QSysInfo>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <xcb/dpms.h>
#include <xcb/res.h>
#include <xcb/screensaver.h>
#include <xcb/sync.h>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Owned = std::unique_ptr<T, FreeDeleter>;

enum Atom
{
    activeWindowAtom,
    supportedAtom,
    pidAtom,
    gtkIdAtom,
    kdeDesktopFileAtom,
    utf8Atom,
    clientListAtom,
    atomCount
};
constexpr const char* atomNames[atomCount] = {"_NET_ACTIVE_WINDOW",  "_NET_SUPPORTED",           "_NET_WM_PID",
                                              "_GTK_APPLICATION_ID", "_KDE_NET_WM_DESKTOP_FILE", "UTF8_STRING",
                                              "_NET_CLIENT_LIST"};

// Property values longer than this (in 32-bit units) are of no use for naming an application.
constexpr uint32_t longestProperty = 256;

constexpr int idleAlarmCount = int(IdleAlarm::inputAgain) + 1;

bool extensionPresent(xcb_connection_t* c, xcb_extension_t* extension)
{
    const xcb_query_extension_reply_t* data = xcb_get_extension_data(c, extension);
    return data && data->present;
}

xcb_sync_int64_t syncValue(int64_t value)
{
    return {int32_t(value >> 32), uint32_t(value)};
}

int64_t fromSync(xcb_sync_int64_t value)
{
    return int64_t(uint64_t(uint32_t(value.hi)) << 32 | value.lo);
}

} // namespace

struct X11Connection::Private
{
    xcb_connection_t* c = nullptr;
    xcb_window_t root = XCB_NONE;
    xcb_atom_t atoms[atomCount] = {};
    QString display;
    Use use = Use::windows;
    bool ewmhActiveWindow = false;
    bool resource = false;
    bool screenSaver = false;
    bool dpms = false;
    xcb_sync_counter_t idleCounter = XCB_NONE;
    uint8_t syncFirstEvent = 0;
    struct Alarm
    {
        xcb_sync_alarm_t id = XCB_NONE;
        std::optional<int64_t> value; // what it waits for, while it has not gone off
    };
    Alarm alarms[idleAlarmCount];
    quint64 roundTrips = 0;
    QList<X11Event> events;
    std::function<void()> eventsLeftBehind;

    ~Private()
    {
        if (c)
            xcb_disconnect(c);
    }

    bool failed() const { return xcb_connection_has_error(c) != 0; }

    template <typename Reply, typename Cookie>
    Owned<Reply> wait(Reply* (*get)(xcb_connection_t*, Cookie, xcb_generic_error_t**), Cookie cookie)
    {
        xcb_generic_error_t* error = nullptr;
        Owned<Reply> reply(get(c, cookie, &error));
        std::free(error);
        ++roundTrips;
        // While waiting, xcb may have read events from the socket into its queue; the socket will not
        // become readable for them again, so take them now and let the owner know.
        if (keep(false) && eventsLeftBehind)
            eventsLeftBehind();
        return reply;
    }

    // Moves arrived events of interest into `events`; true when any were added.
    bool keep(bool readSocket)
    {
        bool added = false;
        while (xcb_generic_event_t* raw = readSocket ? xcb_poll_for_event(c) : xcb_poll_for_queued_event(c)) {
            Owned<xcb_generic_event_t> event(raw);
            const uint8_t type = event->response_type & ~0x80;
            if (idleCounter != XCB_NONE && type == syncFirstEvent + XCB_SYNC_ALARM_NOTIFY) {
                added = keepAlarm(*reinterpret_cast<xcb_sync_alarm_notify_event_t*>(raw)) || added;
                continue;
            }
            switch (type) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(raw);
                if (notify->window == root && notify->atom == atoms[activeWindowAtom]) {
                    events.append({X11Event::Kind::activeWindowChanged, notify->window});
                    added = true;
                }
                break;
            }
            case XCB_DESTROY_NOTIFY:
                events.append(
                    {X11Event::Kind::windowDestroyed, reinterpret_cast<xcb_destroy_notify_event_t*>(raw)->window});
                added = true;
                break;
            default:
                break; // errors of requests without replies (a window gone meanwhile) and other noise
            }
        }
        return added;
    }

    // Only an alarm that went off as last set counts: one set anew or cleared since may have gone off before.
    bool keepAlarm(const xcb_sync_alarm_notify_event_t& notify)
    {
        for (int i = 0; i < idleAlarmCount; ++i) {
            Alarm& alarm = alarms[i];
            if (notify.alarm != alarm.id || alarm.value != fromSync(notify.alarm_value) ||
                notify.state == XCB_SYNC_ALARMSTATE_DESTROYED)
                continue;
            alarm.value.reset();
            events.append({X11Event::Kind::idleAlarm, XCB_NONE, IdleAlarm(i), fromSync(notify.counter_value)});
            return true;
        }
        return false;
    }

    xcb_get_property_cookie_t askProperty(xcb_window_t window, xcb_atom_t atom, xcb_atom_t type)
    {
        return xcb_get_property(c, 0, window, atom, type, 0, longestProperty);
    }

    QByteArray propertyBytes(xcb_get_property_cookie_t cookie, xcb_atom_t* type = nullptr)
    {
        const Owned<xcb_get_property_reply_t> reply = wait(xcb_get_property_reply, cookie);
        if (!reply || reply->format != 8)
            return {};
        if (type)
            *type = reply->type;
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    std::optional<uint32_t> propertyWord(xcb_get_property_cookie_t cookie)
    {
        const Owned<xcb_get_property_reply_t> reply = wait(xcb_get_property_reply, cookie);
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
            return std::nullopt;
        return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    }

    QString propertyText(xcb_get_property_cookie_t cookie)
    {
        xcb_atom_t type = XCB_NONE;
        const QByteArray bytes = propertyBytes(cookie, &type);
        return AppIdentity::propertyText(bytes, type == atoms[utf8Atom]);
    }

    void internAtoms()
    {
        xcb_intern_atom_cookie_t cookies[atomCount];
        for (int i = 0; i < atomCount; ++i)
            cookies[i] = xcb_intern_atom(c, 0, uint16_t(strlen(atomNames[i])), atomNames[i]);
        for (int i = 0; i < atomCount; ++i) {
            if (const Owned<xcb_intern_atom_reply_t> reply = wait(xcb_intern_atom_reply, cookies[i]))
                atoms[i] = reply->atom;
        }
    }

    void findIdleExtensions()
    {
        xcb_prefetch_extension_data(c, &xcb_screensaver_id);
        xcb_prefetch_extension_data(c, &xcb_dpms_id);
        xcb_prefetch_extension_data(c, &xcb_sync_id);
        screenSaver = extensionPresent(c, &xcb_screensaver_id);
        dpms = extensionPresent(c, &xcb_dpms_id);
        if (extensionPresent(c, &xcb_sync_id))
            findIdleCounter();
    }

    void findResourceExtension()
    {
        if (extensionPresent(c, &xcb_res_id)) {
            // Client ids, and with them pids, came with version 1.2.
            const auto reply = wait(xcb_res_query_version_reply, xcb_res_query_version(c, 1, 2));
            resource = reply && (reply->server_major > 1 || (reply->server_major == 1 && reply->server_minor >= 2));
        }
    }

    void findIdleCounter()
    {
        // The extension is to be initialized before anything else is asked of it.
        const auto initialized = xcb_sync_initialize(c, XCB_SYNC_MAJOR_VERSION, XCB_SYNC_MINOR_VERSION);
        const auto listed = xcb_sync_list_system_counters(c);
        const bool ready = wait(xcb_sync_initialize_reply, initialized) != nullptr;
        const auto counters = wait(xcb_sync_list_system_counters_reply, listed);
        if (!ready || !counters)
            return;
        for (auto it = xcb_sync_list_system_counters_counters_iterator(counters.get()); it.rem;
             xcb_sync_systemcounter_next(&it)) {
            // The name follows the entry's 14 bytes on the wire; xcb_sync_systemcounter_name() looks past the
            // struct's padding to 16, two bytes late.
            const char* name = reinterpret_cast<const char*>(it.data) + 14;
            if (QByteArrayView(name, it.data->name_len) == "IDLETIME")
                idleCounter = it.data->counter;
        }
        syncFirstEvent = xcb_get_extension_data(c, &xcb_sync_id)->first_event;
    }

    void watchRoot()
    {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
        const auto reply =
            wait(xcb_get_property_reply, xcb_get_property(c, 0, root, atoms[supportedAtom], XCB_ATOM_ATOM, 0, 4096));
        if (reply && reply->format == 32) {
            const auto* supported = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
            const int count = xcb_get_property_value_length(reply.get()) / 4;
            ewmhActiveWindow = std::find(supported, supported + count, atoms[activeWindowAtom]) != supported + count;
        }
    }

    std::optional<qint64> clientPid(xcb_res_query_client_ids_cookie_t cookie)
    {
        const auto reply = wait(xcb_res_query_client_ids_reply, cookie);
        if (!reply)
            return std::nullopt;
        for (auto it = xcb_res_query_client_ids_ids_iterator(reply.get()); it.rem; xcb_res_client_id_value_next(&it)) {
            if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
                xcb_res_client_id_value_value_length(it.data) >= 1)
                return qint64(*xcb_res_client_id_value_value(it.data));
        }
        return std::nullopt;
    }
};

std::unique_ptr<X11Connection> X11Connection::open(Use use)
{
    auto d = std::make_unique<Private>();
    int screenNumber = 0;
    d->c = xcb_connect(nullptr, &screenNumber);
    if (!d->c || d->failed())
        return nullptr;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(d->c));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return nullptr;
    d->root = screens.data->root;
    d->display = qEnvironmentVariable("DISPLAY");
    d->use = use;
    if (use == Use::idle) {
        d->findIdleExtensions();
    } else {
        d->internAtoms();
        d->findResourceExtension();
        d->watchRoot();
    }
    if (d->failed())
        return nullptr;
    return std::unique_ptr<X11Connection>(new X11Connection(std::move(d)));
}

X11Connection::X11Connection(std::unique_ptr<Private> d) : d(std::move(d)) {}

X11Connection::~X11Connection() = default;

int X11Connection::fileDescriptor() const
{
    return xcb_get_file_descriptor(d->c);
}

bool X11Connection::hasFailed() const
{
    return d->failed();
}

QString X11Connection::sourcesDescription() const
{
    if (d->use == Use::idle) {
        const QString idle = d->idleCounter   ? QStringLiteral("idle from SYNC IDLETIME alarms")
                             : d->screenSaver ? QStringLiteral("idle from XScreenSaver")
                                              : QStringLiteral("no idle time");
        return idle + (d->dpms ? QStringLiteral(", DPMS") : QStringLiteral(", no DPMS"));
    }
    const QStringList sources{
        d->ewmhActiveWindow ? QStringLiteral("EWMH active window") : QStringLiteral("no EWMH active window"),
        d->resource ? QStringLiteral("X-Resource") : QStringLiteral("no X-Resource"),
    };
    return QStringLiteral("X11 ") + d->display + QStringLiteral(" (") + sources.join(QStringLiteral(", ")) + u')';
}

QList<X11Event> X11Connection::takeEvents(bool readSocket)
{
    if (!d->failed())
        d->keep(readSocket);
    return std::exchange(d->events, {});
}

void X11Connection::setEventsLeftBehindHandler(std::function<void()> handler)
{
    d->eventsLeftBehind = std::move(handler);
}

quint32 X11Connection::activeWindow()
{
    if (d->failed())
        return XCB_NONE;
    return d->propertyWord(d->askProperty(d->root, d->atoms[activeWindowAtom], XCB_ATOM_WINDOW)).value_or(XCB_NONE);
}

QList<quint32> X11Connection::clientWindows()
{
    QList<quint32> windows;
    if (d->failed())
        return windows;
    const auto cookie = xcb_get_property(d->c, 0, d->root, d->atoms[clientListAtom], XCB_ATOM_WINDOW, 0, 4096);
    const Owned<xcb_get_property_reply_t> reply = d->wait(xcb_get_property_reply, cookie);
    if (!reply || reply->format != 32)
        return windows;
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    windows.reserve(count);
    for (int i = 0; i < count; ++i)
        windows.append(ids[i]);
    return windows;
}

WindowFacts X11Connection::windowFacts(quint32 window)
{
    WindowFacts facts;
    if (d->failed() || window == XCB_NONE)
        return facts;
    // Ask everything first and then collect, so the whole description costs one round trip.
    const auto wmClass = d->askProperty(window, XCB_ATOM_WM_CLASS, XCB_GET_PROPERTY_TYPE_ANY);
    const auto netPid = d->askProperty(window, d->atoms[pidAtom], XCB_ATOM_CARDINAL);
    const auto machine = d->askProperty(window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_GET_PROPERTY_TYPE_ANY);
    const auto gtkId = d->askProperty(window, d->atoms[gtkIdAtom], XCB_GET_PROPERTY_TYPE_ANY);
    const auto kdeFile = d->askProperty(window, d->atoms[kdeDesktopFileAtom], XCB_GET_PROPERTY_TYPE_ANY);
    std::optional<xcb_res_query_client_ids_cookie_t> clientIds;
    if (d->resource) {
        const xcb_res_client_id_spec_t spec{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
        clientIds = xcb_res_query_client_ids(d->c, 1, &spec);
    }

    AppIdentity::readWindowClass(facts, d->propertyBytes(wmClass));
    std::optional<uint32_t> declaredPid = d->propertyWord(netPid);
    // A client on another host names a pid of that host, which here would be some unrelated process.
    const QString clientMachine = d->propertyText(machine);
    if (!clientMachine.isEmpty() && clientMachine != QSysInfo::machineHostName())
        declaredPid.reset();
    facts.gtkApplicationId = d->propertyText(gtkId);
    facts.kdeDesktopFile = d->propertyText(kdeFile);
    // The server knows the real pid of a local client; _NET_WM_PID is the client's own claim, and inside a
    // Flatpak sandbox it names the sandbox's process.
    const std::optional<qint64> serverPid = clientIds ? d->clientPid(*clientIds) : std::nullopt;
    facts.pid = serverPid.value_or(declaredPid.value_or(0));
    return facts;
}

bool X11Connection::watchDestruction(quint32 window)
{
    if (d->failed() || window == XCB_NONE)
        return false;
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    const xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(d->c, window, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t* error = xcb_request_check(d->c, cookie); // BadWindow: the window is gone already
    ++d->roundTrips;
    if (d->keep(false) && d->eventsLeftBehind)
        d->eventsLeftBehind();
    const bool exists = error == nullptr;
    std::free(error);
    return exists;
}

bool X11Connection::hasIdleAlarms() const
{
    return d->idleCounter != XCB_NONE;
}

void X11Connection::setIdleAlarm(IdleAlarm which, qint64 milliseconds)
{
    if (d->failed() || d->idleCounter == XCB_NONE)
        return;
    Private::Alarm& alarm = d->alarms[int(which)];
    // The comparisons are "at least" and "at most": below a value is at most one less. With a delta of 0, the
    // alarm goes off once and then rests until set anew.
    const bool falling = which == IdleAlarm::inputAgain;
    const int64_t value = falling ? milliseconds - 1 : milliseconds;
    const uint32_t test = falling ? XCB_SYNC_TESTTYPE_NEGATIVE_COMPARISON : XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON;
    const uint32_t mask = XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE | XCB_SYNC_CA_TEST_TYPE |
                          XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS;
    if (alarm.id == XCB_NONE) {
        alarm.id = xcb_generate_id(d->c);
        const xcb_sync_create_alarm_value_list_t values{
            d->idleCounter, XCB_SYNC_VALUETYPE_ABSOLUTE, syncValue(value), test, syncValue(0), 1};
        xcb_sync_create_alarm_aux(d->c, alarm.id, mask, &values);
    } else {
        const xcb_sync_change_alarm_value_list_t values{
            d->idleCounter, XCB_SYNC_VALUETYPE_ABSOLUTE, syncValue(value), test, syncValue(0), 1};
        xcb_sync_change_alarm_aux(d->c, alarm.id, mask, &values);
    }
    alarm.value = value;
    xcb_flush(d->c);
}

void X11Connection::clearIdleAlarm(IdleAlarm which)
{
    Private::Alarm& alarm = d->alarms[int(which)];
    if (d->failed() || !alarm.value)
        return;
    xcb_sync_change_alarm_value_list_t values{};
    values.events = 0; // it may still go off, unheard
    xcb_sync_change_alarm_aux(d->c, alarm.id, XCB_SYNC_CA_EVENTS, &values);
    alarm.value.reset();
    xcb_flush(d->c);
}

std::optional<quint32> X11Connection::millisecondsSinceInput()
{
    if (d->failed() || !d->screenSaver)
        return std::nullopt;
    const auto reply = d->wait(xcb_screensaver_query_info_reply, xcb_screensaver_query_info(d->c, d->root));
    if (!reply)
        return std::nullopt;
    return reply->ms_since_user_input;
}

bool X11Connection::displayIsAsleep()
{
    if (d->failed() || !d->dpms)
        return false;
    const auto reply = d->wait(xcb_dpms_info_reply, xcb_dpms_info(d->c));
    return reply && reply->state && reply->power_level != XCB_DPMS_DPMS_MODE_ON;
}

std::optional<qint64> X11Connection::displaySleepIdleMs()
{
    if (d->failed() || !d->dpms)
        return std::nullopt;
    const auto infoCookie = xcb_dpms_info(d->c);
    const auto timeoutsCookie = xcb_dpms_get_timeouts(d->c);
    const auto info = d->wait(xcb_dpms_info_reply, infoCookie);
    const auto timeouts = d->wait(xcb_dpms_get_timeouts_reply, timeoutsCookie);
    if (!info || !info->state || !timeouts)
        return std::nullopt;
    // A timeout of 0 leaves that power level out.
    std::optional<qint64> shortest;
    for (const uint16_t seconds : {timeouts->standby_timeout, timeouts->suspend_timeout, timeouts->off_timeout}) {
        if (seconds > 0)
            shortest = std::min<qint64>(shortest.value_or(seconds), seconds);
    }
    if (!shortest)
        return std::nullopt;
    return *shortest * 1000;
}

quint64 X11Connection::roundTrips() const
{
    return d->roundTrips;
}
