// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopNotifier.h"
#include "MockBus.h"

#include <QDBusArgument>
#include <gtest/gtest.h>

namespace {

const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");

// The arguments of every Notify call the server received, in order.
QList<QVariantList> notifyCalls(MockBus& bus)
{
    return bus.receivedCalls(notifications, notificationsPath, QStringLiteral("Notify"));
}

QVariantMap hintsOf(const QVariant& value)
{
    QVariantMap hints;
    value.value<QDBusArgument>() >> hints;
    return hints;
}

} // namespace

TEST(DesktopNotifier, NotifiesTheServerAndHearsItsActionOnlyForItsOwnNotices)
{
    if (!MockBus::toolsAvailable())
        GTEST_SKIP() << "dbus-daemon or python3-dbusmock missing";
    MockBus bus;
    ASSERT_NE(bus.startMock({QStringLiteral("--template"), QStringLiteral("notification_daemon")}, notifications), 0);
    DesktopNotifier notifier(bus.connect(QStringLiteral("tested")), {1, 1, QByteArray(4, '\x7f')},
                             QStringLiteral("app.corvani.Horavane"));
    int chosen = 0;
    QObject::connect(&notifier, &Notifier::actionChosen, [&] { ++chosen; });

    notifier.show(
        {QStringLiteral("Daily limit reached for AT&T"), QStringLiteral("1h <today>"), QStringLiteral("Show Today")});
    notifier.show({QStringLiteral("Time for a break"), QStringLiteral("plain"), QString()});
    ASSERT_TRUE(waitUntil([&] { return notifyCalls(bus).size() == 2; }));
    const QList<QVariantList> calls = notifyCalls(bus);
    const QVariantList& first = calls[0];
    EXPECT_EQ(first.value(0).toString(), "Horavane");
    EXPECT_EQ(first.value(2).toString(), "app.corvani.Horavane");
    EXPECT_EQ(first.value(3).toString(), "Daily limit reached for AT&T");
    EXPECT_EQ(first.value(4).toString(), "1h &lt;today&gt;"); // the server reads markup
    EXPECT_EQ(first.value(5).toStringList(), QStringList({"default", "Show Today", "show-today", "Show Today"}));
    const QVariantMap hints = hintsOf(first.value(6));
    EXPECT_EQ(hints.value("urgency").toInt(), 1); // never critical, which would pass do-not-disturb
    EXPECT_EQ(hints.value("desktop-entry").toString(), "app.corvani.Horavane");
    EXPECT_TRUE(hints.contains("image-data"));
    EXPECT_EQ(first.value(7).toInt(), -1);
    EXPECT_EQ(calls[1].value(5).toStringList(), QStringList());

    // The mock numbers its notices from 1; another program's notice 7 is none of ours.
    const auto invoke = [&](uint id, const QString& action) {
        bus.emitSignal(notifications, notificationsPath, notifications, QStringLiteral("ActionInvoked"),
                       QStringLiteral("us"), {id, action});
    };
    invoke(7, QStringLiteral("show-today"));
    invoke(1, QStringLiteral("show-today"));
    ASSERT_TRUE(waitUntil([&] { return chosen == 1; }));
    invoke(2, QStringLiteral("default"));
    ASSERT_TRUE(waitUntil([&] { return chosen == 2; }));
}
