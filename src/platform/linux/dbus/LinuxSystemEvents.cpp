// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxSystemEvents.h"

#include "DBusCall.h"

#include <QCoreApplication>
#include <QDBusUnixFileDescriptor>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString service = QStringLiteral("org.freedesktop.login1");
const QString managerPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");

constexpr std::array terminationSignals = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may do almost nothing, so it writes the signal's number into a pipe that the event
// loop reads. One process has one set of handlers: the first instance owns them.
int signalPipe[2] = {-1, -1};
const LinuxSystemEvents* handlerOwner = nullptr;
struct sigaction previousActions[terminationSignals.size()];

void onTerminationSignal(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

LinuxSystemEvents::LinuxSystemEvents(QDBusConnection systemBus, QObject* parent)
    : SystemEvents(parent), m_bus(std::move(systemBus))
{
    m_bus.connect(service, managerPath, managerInterface, QStringLiteral("PrepareForSleep"), this,
                  SLOT(onPrepareForSleep(QDBusMessage)));
    takeSleepDelay();
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &LinuxSystemEvents::terminate);
    installSignalHandlers();
}

LinuxSystemEvents::~LinuxSystemEvents()
{
    restoreSignalHandlers();
    releaseSleepDelay();
}

void LinuxSystemEvents::onPrepareForSleep(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.isEmpty() || arguments.constFirst().metaType() != QMetaType::fromType<bool>())
        return;
    if (arguments.constFirst().toBool()) {
        // Receivers run synchronously, so once emit returns the time is written and sleep may go on.
        emit willSleep();
        releaseSleepDelay();
    } else {
        takeSleepDelay();
    }
}

void LinuxSystemEvents::takeSleepDelay()
{
    if (m_sleepDelay >= 0)
        return;
    //: Why Horavane holds sleep back for a moment, as the system's tools list it.
    const QString why = tr("Saving recorded time");
    const QDBusMessage reply = DBusCall::call(
        m_bus, DBusCall::method(service, managerPath, managerInterface, QStringLiteral("Inhibit"),
                                {QStringLiteral("sleep"), QStringLiteral("Horavane"), why, QStringLiteral("delay")}));
    const QVariant descriptor = DBusCall::firstArgument(reply);
    if (descriptor.metaType() != QMetaType::fromType<QDBusUnixFileDescriptor>())
        return;
    // Our own copy: the reply's copy closes when the reply goes, and only ours then keeps the delay.
    const int fd = descriptor.value<QDBusUnixFileDescriptor>().fileDescriptor();
    if (fd >= 0)
        m_sleepDelay = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}

void LinuxSystemEvents::releaseSleepDelay()
{
    if (m_sleepDelay < 0)
        return;
    ::close(m_sleepDelay);
    m_sleepDelay = -1;
}

void LinuxSystemEvents::installSignalHandlers()
{
    if (handlerOwner)
        return;
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    handlerOwner = this;
    m_signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, &LinuxSystemEvents::onSignalReadable);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < terminationSignals.size(); ++i)
        ::sigaction(terminationSignals[i], &action, &previousActions[i]);
}

void LinuxSystemEvents::restoreSignalHandlers()
{
    if (handlerOwner != this)
        return;
    for (size_t i = 0; i < terminationSignals.size(); ++i)
        ::sigaction(terminationSignals[i], &previousActions[i], nullptr);
    delete m_signalNotifier;
    m_signalNotifier = nullptr;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
    handlerOwner = nullptr;
}

void LinuxSystemEvents::onSignalReadable()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    terminate();
    QCoreApplication::quit();
}

void LinuxSystemEvents::terminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    emit willTerminate();
}
