// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a wlroots compositor tells about its windows (zwlr_foreign_toplevel_manager_v1: new windows, their app
// ids, titles, states, done, closed) and about idleness (ext_idle_notifier_v1), through the real workspace and
// idle watcher. The target is the compositor: it writes the wire messages on the other end of the connection's
// socket, so libwayland decodes them as it would a compositor's and the connection's own dispatch delivers them.
#include "FuzzSupport.h"
#include "WaylandConnection.h"
#include "WaylandIdle.h"
#include "WlrootsWorkspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>
#include <cstring>
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>
#include <wayland-client.h>

namespace {

// Arguments as they travel: native 32-bit words; strings and arrays with their length, padded to a word.
class Arguments
{
public:
    Arguments& word(quint32 value)
    {
        m_bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
        return *this;
    }
    Arguments& string(const QByteArray& text)
    {
        word(quint32(text.size() + 1));
        m_bytes += text + '\0';
        return pad();
    }
    Arguments& array(const QByteArray& bytes)
    {
        word(quint32(bytes.size()));
        m_bytes += bytes;
        return pad();
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    Arguments& pad()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes += '\0';
        return *this;
    }
    QByteArray m_bytes;
};

// The compositor's end of the socket: writes events, and reads the client's requests for the ids of the objects
// it makes (globals it binds, idle notifications it asks for).
class Compositor
{
public:
    Compositor()
    {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            Fuzz::broken("a socket pair opens");
        m_fd = ends[0];
        m_clientFd = ends[1];
        ::fcntl(m_fd, F_SETFL, O_NONBLOCK);
    }
    ~Compositor() { ::close(m_fd); }
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // The client's end, which libwayland takes over (and closes) when it connects.
    int clientFd() const { return m_clientFd; }

    void send(quint32 object, quint16 opcode, const Arguments& arguments = {})
    {
        const QByteArray& body = arguments.bytes();
        write(Arguments().word(object).word(quint32(8 + body.size()) << 16 | opcode).bytes() + body);
    }
    void write(const QByteArray& bytes)
    {
        // Each input writes far less than a socket holds, and the client reads after every event.
        if (::send(m_fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) != bytes.size())
            Fuzz::broken("the client's socket takes the event");
    }
    bool clientHasUnread() const
    {
        int unread = 0;
        return ::ioctl(m_clientFd, FIONREAD, &unread) == 0 && unread > 0;
    }

    void readRequests()
    {
        char chunk[4096];
        for (ssize_t got; (got = ::recv(m_fd, chunk, sizeof chunk, 0)) > 0;)
            m_requests.append(chunk, got);
        while (m_requests.size() >= 8) {
            const quint32 object = wordAt(0), size = wordAt(4) >> 16, opcode = wordAt(4) & 0xffff;
            if (size < 8 || m_requests.size() < qsizetype(size))
                break;
            if (object == registry && opcode == 0) { // bind: name, interface, version, new id
                const quint32 length = wordAt(12);
                const QByteArray interface = m_requests.mid(16, qsizetype(length) - 1);
                bound.insert(interface, wordAt(qsizetype(size) - 4));
            } else if (object == bound.value("ext_idle_notifier_v1") && opcode == 1) { // get_idle_notification
                notification = wordAt(8);
            }
            m_requests.remove(0, size);
        }
    }

    static constexpr quint32 registry = 2;
    QHash<QByteArray, quint32> bound;
    quint32 notification = 0;

private:
    quint32 wordAt(qsizetype offset) const
    {
        quint32 value = 0;
        std::memcpy(&value, m_requests.constData() + offset, sizeof value);
        return value;
    }

    int m_fd = -1;
    int m_clientFd = -1;
    QByteArray m_requests;
};

// A window as the compositor has described it; what the workspace should know of it.
struct Window
{
    quint32 id = 0;
    bool pendingActivated = false;
    bool activated = false;
    bool open = true;
};

// Two installed applications, the only ones the workspace can find.
void installEntries()
{
    const QString home = Fuzz::scratchFolder();
    QDir().mkpath(home + QStringLiteral("/share/applications"));
    Fuzz::writeScratchFile(QStringLiteral("share/applications/foot.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Foot\nExec=foot\n");
    Fuzz::writeScratchFile(QStringLiteral("share/applications/org.mozilla.firefox.desktop"),
                           "[Desktop Entry]\nType=Application\nName=Firefox\nExec=firefox %u\n");
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/share")).toUtf8());
    qputenv("XDG_DATA_DIRS", (home + QStringLiteral("/none")).toUtf8());
}

QByteArray text(FuzzedDataProvider& input)
{
    static const QList<QByteArray> known{"foot", "org.mozilla.firefox", "firefox.desktop", "app.corvani.Horavane"};
    if (input.ConsumeBool())
        return known.at(input.ConsumeIntegralInRange<qsizetype>(0, known.size() - 1));
    return QByteArray::fromStdString(input.ConsumeRandomLengthString(64));
}

// A state array: mostly whole states (maximized 0, minimized 1, activated 2, fullscreen 3, or any), at times
// a length that is no whole number of states.
QByteArray states(FuzzedDataProvider& input)
{
    Arguments words;
    const int count = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        const quint32 state = input.ConsumeIntegralInRange(0u, 4u);
        words.word(state < 4 ? state : input.ConsumeIntegral<quint32>());
    }
    QByteArray bytes = words.bytes();
    if (input.ConsumeIntegralInRange(0, 7) == 0)
        bytes.chop(input.ConsumeIntegralInRange(1, 3));
    return bytes;
}

bool holdsActivated(const QByteArray& bytes)
{
    for (qsizetype at = 0; at + 4 <= bytes.size(); at += 4) {
        quint32 state = 0;
        std::memcpy(&state, bytes.constData() + at, sizeof state);
        if (state == 2)
            return true;
    }
    return false;
}

qint64 idleLimit(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return 2 * 60 * 1000; // the limit the watcher starts with
    case 1:
        return 1000;
    default:
        return input.ConsumeIntegral<qint64>();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    installEntries();
    Fuzz::startCoreApplication();
    wl_log_set_handler_client([](const char*, va_list) {}); // each protocol error the input makes, told on stderr
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr quint32 firstServerId = 0xff000000;
    Compositor compositor;
    qputenv("WAYLAND_SOCKET", QByteArray::number(compositor.clientFd()));
    // The connection asks for the registry (2) and waits for a round trip (3): the globals come first.
    compositor.send(Compositor::registry, 0, Arguments().word(1).string("zwlr_foreign_toplevel_manager_v1").word(3));
    compositor.send(Compositor::registry, 0, Arguments().word(2).string("wl_seat").word(7));
    compositor.send(Compositor::registry, 0, Arguments().word(3).string("ext_idle_notifier_v1").word(1));
    compositor.send(3, 0, Arguments().word(0));
    const std::unique_ptr<WaylandConnection> connection = WaylandConnection::connect();
    FUZZ_REQUIRE(connection);
    // The workspace binds the manager (4) and waits for a round trip (5).
    compositor.send(5, 0, Arguments().word(0));
    QString whyNot;
    std::unique_ptr<WlrootsWorkspace> workspace = WlrootsWorkspace::create(*connection, &whyNot);
    std::unique_ptr<WaylandIdle> idle = WaylandIdle::create(*connection);
    FUZZ_REQUIRE(workspace && idle);
    qint64 limit = 2 * 60 * 1000; // as the program arms it at start
    idle->setLimit(limit);
    compositor.readRequests();
    const quint32 manager = compositor.bound.value("zwlr_foreign_toplevel_manager_v1");
    FUZZ_REQUIRE(manager == 4 && compositor.notification != 0);

    std::vector<Window> windows;
    bool managerFinished = false;
    bool idleNow = false;
    bool modelKnown = true; // until a message the model does not follow
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0 && !connection->hasFailed()) {
        // Mostly a window the compositor announced; rarely an id it never used.
        Window* window = windows.empty() || input.ConsumeIntegralInRange(0, 15) == 0
                             ? nullptr
                             : &windows[input.ConsumeIntegralInRange<size_t>(0, windows.size() - 1)];
        const quint32 handle = window ? window->id : firstServerId + quint32(windows.size()) + 1;
        const bool delivered = window && window->open;
        const auto sendState = [&] {
            const QByteArray bytes = states(input);
            compositor.send(handle, 4, Arguments().array(bytes));
            if (delivered)
                window->pendingActivated = holdsActivated(bytes);
        };
        const auto sendDone = [&] {
            compositor.send(handle, 5);
            if (delivered)
                window->activated = window->pendingActivated;
        };
        switch (input.ConsumeIntegralInRange(0, 12)) {
        case 0:
        case 1:
            compositor.send(manager, 0, Arguments().word(firstServerId + quint32(windows.size())));
            windows.push_back({firstServerId + quint32(windows.size())});
            windows.back().open = !managerFinished; // after `finished` the client drops them
            break;
        case 2:
            compositor.send(handle, 0, Arguments().string(text(input))); // title
            break;
        case 3:
            compositor.send(handle, 1, Arguments().string(text(input))); // app_id
            break;
        case 4:
            sendState();
            break;
        case 5:
            sendDone();
            break;
        case 6: // what a compositor sends when a window comes to the front or changes its id
            compositor.send(handle, 1, Arguments().string(text(input)));
            sendState();
            sendDone();
            break;
        case 7:
            compositor.send(handle, 6); // closed
            if (window)
                window->open = false;
            break;
        case 8:
            compositor.send(compositor.notification, 0); // idled
            idleNow = true;
            break;
        case 9:
            compositor.send(compositor.notification, 1); // resumed
            idleNow = false;
            break;
        case 10: {
            const qint64 milliseconds = idleLimit(input);
            idle->setLimit(milliseconds);
            if (milliseconds > 0 && std::min<qint64>(milliseconds, UINT32_MAX) != limit) {
                limit = std::min<qint64>(milliseconds, UINT32_MAX); // all the protocol can say
                idleNow = false;                                    // a new notification, not idle yet
            }
            break;
        }
        case 11:
            compositor.send(manager, 1); // finished
            managerFinished = true;
            break;
        default:
            // Rarely, something no sound compositor sends: a message for an unknown object or opcode, an output
            // that does not exist, a protocol error.
            if (input.ConsumeIntegralInRange(0, 3) != 0)
                break;
            modelKnown = false;
            if (input.ConsumeBool())
                compositor.write(QByteArray::fromStdString(input.ConsumeRandomLengthString(32)));
            else
                compositor.send(input.ConsumeBool() ? handle : 1, quint16(input.ConsumeIntegralInRange(0, 7)),
                                Arguments().word(input.ConsumeIntegral<quint32>()).string(text(input)));
            break;
        }

        for (int i = 0; i < 64 && compositor.clientHasUnread() && !connection->hasFailed(); ++i)
            QCoreApplication::processEvents();
        FUZZ_REQUIRE(!compositor.clientHasUnread() || connection->hasFailed());
        compositor.readRequests();
        if (connection->hasFailed())
            break;
        if (!modelKnown)
            continue;

        const std::optional<RunningApp> front = workspace->frontmostApplication();
        const bool anyActivated =
            std::any_of(windows.cbegin(), windows.cend(), [](const Window& w) { return w.open && w.activated; });
        if (!anyActivated)
            FUZZ_REQUIRE(!front);
        QSet<QString> running;
        for (const RunningApp& app : workspace->runningApplications()) {
            FUZZ_REQUIRE(!app.desktopId.isEmpty() && !running.contains(app.desktopId));
            running.insert(app.desktopId);
        }
        if (front)
            FUZZ_REQUIRE(running.contains(front->desktopId));
        const double idleSeconds = idle->secondsSinceLastInput();
        FUZZ_REQUIRE(idleNow ? idleSeconds >= double(limit) / 1000 : idleSeconds == 0);
    }
    if (connection->hasFailed()) {
        // Whatever was in front is not any more, and nobody is idle on a compositor that left.
        FUZZ_REQUIRE(!workspace->frontmostApplication());
        FUZZ_REQUIRE(idle->secondsSinceLastInput() == 0);
    }
    idle.reset();
    workspace.reset();
    return 0;
}
