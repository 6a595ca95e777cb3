// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BusDaemon.h"
#include "StatusNotifierItem.h"
#include "TrackerFixture.h"
#include "TrayItem.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QMutex>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The panel's side: a StatusNotifierWatcher that notes the items registered with it. It answers from a
// thread of its own, as a panel answers from its own process.
class Watcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
public:
    QStringList items() const
    {
        QMutexLocker lock(&m_mutex);
        return m_items;
    }

public slots:
    void RegisterStatusNotifierItem(const QString& service)
    {
        QMutexLocker lock(&m_mutex);
        m_items.append(service);
    }

private:
    mutable QMutex m_mutex;
    QStringList m_items;
};

class StatusItemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (bus.address().isEmpty())
            GTEST_SKIP() << "no dbus-daemon";
        thread.start();
    }
    void TearDown() override
    {
        thread.quit();
        thread.wait();
        // Each test has a bus of its own; the next one must not find these connections by name.
        QDBusConnection::disconnectFromBus("item");
        QDBusConnection::disconnectFromBus("panel");
    }
    void startWatcher()
    {
        watcher.moveToThread(&thread);
        ASSERT_TRUE(panel.registerObject("/StatusNotifierWatcher", &watcher, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(panel.registerService("org.kde.StatusNotifierWatcher"));
    }
    // A property of the item as the panel reads it.
    QVariant property(const QString& service, const QString& name)
    {
        QDBusMessage get =
            QDBusMessage::createMethodCall(service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get");
        get << QString("org.kde.StatusNotifierItem") << name;
        QDBusPendingCall call = panel.asyncCall(get);
        for (int waited = 0; waited < 5000 && !call.isFinished(); waited += 10)
            QTest::qWait(10); // the item answers from this thread's event loop
        if (call.isError() || call.reply().arguments().isEmpty())
            return {};
        return call.reply().arguments().constFirst().value<QDBusVariant>().variant();
    }

    BusDaemon bus;
    QDBusConnection item = QDBusConnection::connectToBus(bus.address(), "item");
    QDBusConnection panel = QDBusConnection::connectToBus(bus.address(), "panel");
    QThread thread;
    Watcher watcher;
};

} // namespace

TEST_F(StatusItemTest, ThePanelGetsTheTimeAsLabelAndTheRingAtEverySize)
{
    startWatcher();
    const auto status = std::make_unique<StatusNotifierItem>(item, "Horavane", "Horavane");
    ASSERT_TRUE(status->isShown());
    EXPECT_EQ(watcher.items(), QStringList{status->serviceName()});

    TrackerFixture models;
    models.settings.setShowsTimeInTray(true);
    models.start({{"A", 3900}});
    TrayItem tray(*models.tracker, models.settings, status.get());

    EXPECT_EQ(property(status->serviceName(), "XAyatanaLabel").toString(), "1h 5m");
    QList<QSize> sizes;
    const QDBusArgument pixmaps = property(status->serviceName(), "IconPixmap").value<QDBusArgument>();
    pixmaps.beginArray();
    while (!pixmaps.atEnd()) {
        int width = 0, height = 0;
        QByteArray argb;
        pixmaps.beginStructure();
        pixmaps >> width >> height >> argb;
        pixmaps.endStructure();
        EXPECT_EQ(argb.size(), width * height * 4);
        sizes.append(QSize(width, height));
    }
    pixmaps.endArray();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}}));

    models.settings.setShowsTimeInTray(false);
    EXPECT_EQ(property(status->serviceName(), "XAyatanaLabel").toString(), "");
    EXPECT_EQ(status->toolTipTitle(), "Horavane — 1h 5m") << "hosts that draw no label show the tooltip alone";

    QSignalSpy clicked(&tray, &TrayItem::clicked);
    QDBusMessage activate = QDBusMessage::createMethodCall(status->serviceName(), "/StatusNotifierItem",
                                                           "org.kde.StatusNotifierItem", "Activate");
    activate << 900 << 10;
    panel.asyncCall(activate);
    QTRY_COMPARE_WITH_TIMEOUT(clicked.size(), 1, 30000);
    EXPECT_EQ(clicked.constFirst().constFirst().toRect().topLeft(), QPoint(900, 10));
}

#include "StatusItemTest.moc"
