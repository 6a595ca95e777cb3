// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxSystemEvents.h"
#include "MockBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString loginPath = QStringLiteral("/org/freedesktop/login1");
const QString manager = QStringLiteral("org.freedesktop.login1.Manager");

QDBusConnection noBus()
{
    return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no bus"));
}

class SleepTest : public MockBusTest
{
protected:
    void SetUp() override
    {
        MockBusTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_NE(bus.startMock({QStringLiteral("--template"), QStringLiteral("logind")}, login1), 0);
    }

    // Whether logind lists this program's delay on sleep.
    bool delayListed()
    {
        const QDBusMessage reply = bus.call(login1, loginPath, manager, QStringLiteral("ListInhibitors"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
        bool found = false;
        list.beginArray();
        while (!list.atEnd()) {
            QString what, who, why, mode;
            uint uid = 0, pid = 0;
            list.beginStructure();
            list >> what >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            found = found || (what == QLatin1String("sleep") && who == QLatin1String("Horavane") &&
                              why == QLatin1String("Saving recorded time") && mode == QLatin1String("delay"));
        }
        list.endArray();
        return found;
    }

    void prepareForSleep(bool starting)
    {
        bus.emitSignal(login1, loginPath, manager, QStringLiteral("PrepareForSleep"), QStringLiteral("b"),
                       {QVariant(starting)});
    }
};

} // namespace

TEST_F(SleepTest, DelayIsHeldWhileReceiversRunAndReleasedAfter)
{
    LinuxSystemEvents events(bus.connect(QStringLiteral("tested")));
    ASSERT_TRUE(events.holdsSleepDelay());
    ASSERT_TRUE(waitUntil([&] { return delayListed(); }));

    int sleeps = 0;
    bool heldDuringReceiver = false;
    QObject::connect(&events, &SystemEvents::willSleep, [&] {
        ++sleeps;
        heldDuringReceiver = delayListed();
    });
    prepareForSleep(true);
    ASSERT_TRUE(waitUntil([&] { return sleeps == 1; }));
    EXPECT_TRUE(heldDuringReceiver);
    EXPECT_FALSE(events.holdsSleepDelay());
    EXPECT_TRUE(waitUntil([&] { return !delayListed(); }));

    prepareForSleep(false);
    EXPECT_TRUE(waitUntil([&] { return events.holdsSleepDelay() && delayListed(); }));
    EXPECT_EQ(sleeps, 1);
}

TEST(SystemEventsTermination, SignalsAndQuitEndTheLoopWithOneNotice)
{
    const struct
    {
        const char* name;
        int signal; // 0: the application quits on its own
    } rows[] = {
        {"SIGTERM", SIGTERM},
        {"SIGINT", SIGINT},
        {"SIGHUP", SIGHUP},
        {"quit", 0},
    };
    for (const auto& row : rows) {
        LinuxSystemEvents events(noBus());
        EXPECT_FALSE(events.holdsSleepDelay()) << "no logind, no delay";
        int notices = 0;
        QObject::connect(&events, &SystemEvents::willTerminate, [&] { ++notices; });
        QTimer::singleShot(0, [&] {
            if (row.signal == 0) {
                QCoreApplication::quit();
                return;
            }
            // A second signal while shutting down must not notify again.
            ::raise(row.signal);
            ::raise(row.signal);
        });
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(2); });
        safety.start(5000);
        EXPECT_EQ(QCoreApplication::exec(), 0) << row.name;
        EXPECT_EQ(notices, 1) << row.name;
    }
}

TEST(SystemEventsTermination, HandlersAreGoneWithTheObject)
{
    {
        LinuxSystemEvents events(noBus());
    }
    struct sigaction current = {};
    ::sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}
