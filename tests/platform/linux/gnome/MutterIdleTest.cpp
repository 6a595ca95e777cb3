// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MutterIdle.h"
#include "MockBus.h"

#include <gtest/gtest.h>

namespace {

const QString mutter = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString mutterPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");

// Mutter's idle monitor on a private bus, as dbusmock plays it.
class MutterIdleTest : public MockBusTest
{
protected:
    void addMonitorMethod(const QString& name, const QString& in, const QString& out, const QString& code)
    {
        bus.addMethod(mutter, mutterPath, mutter, name, in, out, code);
    }

    void fire(uint id)
    {
        bus.emitSignal(mutter, mutterPath, mutter, QStringLiteral("WatchFired"), QStringLiteral("u"),
                       {QVariant::fromValue(id)});
    }

    // The method names the monitor was called with, in order.
    QStringList mutterCalls() { return bus.receivedMethods(mutter, mutterPath); }
    std::string calls() { return mutterCalls().join(u' ').toStdString(); }
};

} // namespace

TEST_F(MutterIdleTest, IdleWatchesFollowTheLimitAndTheUser)
{
    ASSERT_NE(bus.startMock({mutter, mutterPath, mutter}, mutter), 0);
    addMonitorMethod(QStringLiteral("AddIdleWatch"), QStringLiteral("t"), QStringLiteral("u"),
                     QStringLiteral("ret = 7"));
    addMonitorMethod(QStringLiteral("AddUserActiveWatch"), QString(), QStringLiteral("u"), QStringLiteral("ret = 8"));
    addMonitorMethod(QStringLiteral("RemoveWatch"), QStringLiteral("u"), QString(), QString());
    const auto idleTimeIs = [&](const char* milliseconds) {
        addMonitorMethod(QStringLiteral("GetIdletime"), QString(), QStringLiteral("t"),
                         QStringLiteral("ret = ") + QLatin1String(milliseconds));
    };
    idleTimeIs("90000");
    std::unique_ptr<MutterIdle> idle = MutterIdle::create(bus.connect(QStringLiteral("tested")));
    ASSERT_TRUE(idle);

    idle->setLimit(60000);
    ASSERT_TRUE(waitUntil([&] { return mutterCalls() == QStringList{"AddIdleWatch"}; })) << calls();
    EXPECT_EQ(idle->secondsSinceLastInput(), 0);

    fire(7);
    ASSERT_TRUE(waitUntil([&] { return mutterCalls().endsWith("GetIdletime"); })) << calls();
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() >= 60; })) << calls();
    fire(8);
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() == 0; })) << calls();

    // Input between the idle watch firing and the user-active watch being added fires nothing; the idle time,
    // asked once, tells that the user is back.
    idleTimeIs("500");
    fire(7);
    ASSERT_TRUE(waitUntil([&] { return mutterCalls().endsWith("RemoveWatch") && idle->secondsSinceLastInput() == 0; }))
        << calls();

    idle->setLimit(120000); // a new limit replaces the watch
    ASSERT_TRUE(waitUntil([&] {
        return mutterCalls() == QStringList{"AddIdleWatch", "AddUserActiveWatch", "GetIdletime", "AddUserActiveWatch",
                                            "GetIdletime",  "RemoveWatch",        "RemoveWatch", "AddIdleWatch"};
    })) << calls();
}

// The monitor answers a call before the watch fires, but Qt may hand the signal over first.
TEST_F(MutterIdleTest, AWatchThatFiresBeforeItsIdArrivesStillCounts)
{
    ASSERT_NE(bus.startMock({mutter, mutterPath, mutter}, mutter), 0);
    const auto addWatch = [&](const char* method, const char* in, uint id, bool firesAtOnce) {
        const QString fire = QStringLiteral("self.EmitSignal('%1', 'WatchFired', 'u', [dbus.UInt32(%2)]); ");
        addMonitorMethod(QLatin1String(method), QLatin1String(in), QStringLiteral("u"),
                         (firesAtOnce ? fire.arg(mutter).arg(id) : QString()) + QStringLiteral("ret = %1").arg(id));
    };
    addWatch("AddIdleWatch", "t", 7, true);
    addWatch("AddUserActiveWatch", "", 8, false);
    addMonitorMethod(QStringLiteral("GetIdletime"), QString(), QStringLiteral("t"), QStringLiteral("ret = 90000"));
    std::unique_ptr<MutterIdle> idle = MutterIdle::create(bus.connect(QStringLiteral("tested")));
    ASSERT_TRUE(idle);
    idle->setLimit(60000);
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() >= 60; })) << calls();

    addWatch("AddUserActiveWatch", "", 9, true);
    fire(8);
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() == 0; })) << calls();
    fire(7);
    ASSERT_TRUE(waitUntil([&] {
        return mutterCalls().endsWith("GetIdletime") && mutterCalls().count("GetIdletime") == 2;
    })) << calls();
    EXPECT_EQ(idle->secondsSinceLastInput(), 0) << "the user-active watch fired before its id arrived";
}
