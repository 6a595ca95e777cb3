// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replies of AT-SPI 2 applications, which may send any well-formed D-Bus value for any question, through the
// reader's decoding. Each input is one reply value of any D-Bus type; it travels as a real reply does
// (marshalled by a local call on a private bus, demarshalled into QDBusArgument), then every decoder reads it.
#include "AtspiProtocol.h"
#include "BusDaemon.h"
#include "FuzzSupport.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr int deepest = 4;

struct ChildElement
{
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ChildElement& child)
{
    argument.beginStructure();
    argument << child.service << child.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ChildElement& child)
{
    argument.beginStructure();
    argument >> child.service >> child.path;
    argument.endStructure();
    return argument;
}

QString text(FuzzedDataProvider& input)
{
    return QString::fromStdString(input.ConsumeRandomLengthString(64));
}

// Object paths must be well formed on the wire: the bytes pick among the allowed characters.
QDBusObjectPath objectPath(FuzzedDataProvider& input)
{
    static const char allowed[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
    QString path;
    const int segments = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < segments; ++i) {
        path += '/';
        const int length = input.ConsumeIntegralInRange(1, 8);
        for (int j = 0; j < length; ++j)
            path += QLatin1Char(allowed[input.ConsumeIntegralInRange<size_t>(0, sizeof allowed - 2)]);
    }
    return QDBusObjectPath(path.isEmpty() ? QStringLiteral("/") : path);
}

constexpr int structureKind = 10;

int kind(FuzzedDataProvider& input, int depth)
{
    return input.ConsumeIntegralInRange(0, (depth >= deepest ? 9 : 13) - 1);
}

QVariant valueOfKind(int kind, FuzzedDataProvider& input, int depth);

// A structure of 1 to 5 members of any type, written in place with the structures among its members, each
// member taken from a budget. Both keep the value one that another process could send: Qt marshals a structure
// it wrote only at the top of a message (nested inside another value it reads it back as if received), and a
// signature may have at most 255 characters (48 members of at most 5 characters each, "a(so)", stay below).
// Qt does not check either on a local call; libdbus then reads past its buffers.
constexpr int mostMembers = 48;

void appendStructure(QDBusArgument& argument, FuzzedDataProvider& input, int depth, int& budget)
{
    argument.beginStructure();
    const int members = input.ConsumeIntegralInRange(1, 5);
    for (int i = 0; i < members && budget > 0; ++i) {
        --budget;
        const int memberKind = kind(input, depth + 1);
        if (memberKind == structureKind && budget > 0)
            appendStructure(argument, input, depth + 1, budget);
        else if (memberKind == structureKind)
            argument.appendVariant(text(input));
        else
            argument.appendVariant(valueOfKind(memberKind, input, depth + 1));
    }
    argument.endStructure();
}

// A value of any type; a structure only at the top (see above), a text in its place below.
QVariant value(FuzzedDataProvider& input, int depth)
{
    const int valueKind = kind(input, depth);
    if (valueKind != structureKind)
        return valueOfKind(valueKind, input, depth);
    if (depth > 0)
        return text(input);
    QDBusArgument argument;
    int budget = mostMembers;
    appendStructure(argument, input, depth, budget);
    return QVariant::fromValue(argument);
}

QVariant valueOfKind(int kind, FuzzedDataProvider& input, int depth)
{
    switch (kind) {
    case 0:
        return QVariant::fromValue(input.ConsumeIntegral<quint32>());
    case 1:
        return QVariant::fromValue(input.ConsumeIntegral<qint32>());
    case 2:
        return text(input);
    case 3:
        return QVariant::fromValue(objectPath(input));
    case 4:
        return QVariant::fromValue(input.ConsumeBool());
    case 5:
        return QVariant::fromValue(input.ConsumeFloatingPoint<double>());
    case 6: {
        QList<quint32> words;
        const int count = input.ConsumeIntegralInRange(0, 4);
        for (int i = 0; i < count; ++i)
            words.append(input.ConsumeIntegral<quint32>());
        return QVariant::fromValue(words);
    }
    case 7: {
        QList<ChildElement> children;
        const int count = input.ConsumeIntegralInRange(0, 6);
        for (int i = 0; i < count; ++i)
            children.append({text(input), objectPath(input)});
        return QVariant::fromValue(children);
    }
    case 8:
        return QVariant::fromValue(QByteArray::fromStdString(input.ConsumeRandomLengthString(32)));
    case 9:
        return QVariant::fromValue(QDBusVariant(value(input, depth + 1)));
    case 11: {
        QStringList texts;
        const int count = input.ConsumeIntegralInRange(0, 4);
        for (int i = 0; i < count; ++i)
            texts.append(text(input));
        return texts;
    }
    default: {
        QVariantMap map;
        const int count = input.ConsumeIntegralInRange(0, 3);
        for (int i = 0; i < count; ++i)
            map.insert(text(input), value(input, depth + 1));
        return map;
    }
    }
}

// Answers every call with the value prepared for it, as an application on the bus would.
class Replier : public QDBusVirtualObject
{
public:
    QVariant next;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        return connection.send(message.createReply(QVariantList{next}));
    }
};

struct Bus
{
    BusDaemon daemon;
    QDBusConnection connection{QDBusConnection::connectToBus(daemon.address(), QStringLiteral("fuzz"))};
    Replier replier;

    Bus()
    {
        qDBusRegisterMetaType<ChildElement>();
        qDBusRegisterMetaType<QList<ChildElement>>();
        if (!connection.isConnected() || !connection.registerVirtualObject(QStringLiteral("/org/a11y/atspi/accessible"),
                                                                           &replier, QDBusConnection::SubPath))
            Fuzz::broken("a private bus answers");
    }
};

Bus* bus = nullptr;

} // namespace

Q_DECLARE_METATYPE(ChildElement)

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::startCoreApplication();
    bus = new Bus; // lives to the end: the connection must not close while a run goes on
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace P = AtspiProtocol;
    FuzzedDataProvider input(data, size);
    bus->replier.next = value(input, 0);
    if (!bus->replier.next.isValid())
        return 0;
    const QDBusMessage call = P::call(bus->connection.baseService(), QStringLiteral("/org/a11y/atspi/accessible/1"),
                                      P::accessibleInterface, QStringLiteral("GetRole"));
    const QDBusMessage reply = bus->connection.call(call, QDBus::Block, 1000);
    const QVariant first = P::firstArgument(reply);

    P::decodeRole(first);
    if (const std::optional<quint32> role = P::decodeRole(first))
        P::role(*role);
    P::decodeStates(first);
    for (const AccessibleElement& child : P::decodeChildren(first))
        FUZZ_REQUIRE(child.path.startsWith('/'));
    P::decodeExtents(first);
    P::decodeString(first);
    return 0;
}
