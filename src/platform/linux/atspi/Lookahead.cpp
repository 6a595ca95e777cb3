// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lookahead.h"

#include "AtspiProtocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <algorithm>
#include <climits>

namespace {

namespace P = AtspiProtocol;

constexpr qsizetype perElement = 64; // a walk visits a few hundred elements in all
constexpr qsizetype inFlight = 256;
constexpr qint64 freshMs = 1000;

struct Entry
{
    Lookahead::Pending pending;
    qint64 sentMs;
};

struct Store
{
    QHash<QString, Entry>* entries = new QHash<QString, Entry>;
    QElapsedTimer clock;

    Store() { clock.start(); }
    ~Store()
    {
        // Pending calls belong to the D-Bus machinery, which is gone once the application object is.
        if (QCoreApplication::instance())
            delete entries;
    }

    void dropStale()
    {
        const qint64 now = clock.elapsed();
        entries->removeIf([now](const auto& it) { return now - it.value().sentMs > freshMs; });
    }
};

thread_local Store t_store;

QString key(const QDBusConnection& bus, const AccessibleElement& element)
{
    return bus.name() + u'\n' + element.service + u'\n' + element.path;
}

} // namespace

std::optional<Lookahead::Pending> Lookahead::take(const QDBusConnection& bus, const AccessibleElement& element)
{
    const auto it = t_store.entries->constFind(key(bus, element));
    if (it == t_store.entries->constEnd())
        return std::nullopt;
    const Entry entry = *it;
    t_store.entries->erase(it);
    if (t_store.clock.elapsed() - entry.sentMs > freshMs)
        return std::nullopt;
    return entry.pending;
}

void Lookahead::send(const QDBusConnection& bus, const QList<AccessibleElement>& elements,
                     Accessibility::Timeout timeout)
{
    if (t_store.entries->size() + std::min(elements.size(), perElement) > inFlight)
        t_store.dropStale();
    const int ms = int(std::clamp<qint64>(timeout.count(), 1, INT_MAX));
    const qint64 now = t_store.clock.elapsed();
    for (const AccessibleElement& element : elements.mid(0, perElement)) {
        if (t_store.entries->size() >= inFlight)
            return;
        const QString id = key(bus, element);
        const auto existing = t_store.entries->constFind(id);
        if (existing != t_store.entries->constEnd() && now - existing->sentMs <= freshMs)
            continue;
        const QDBusPendingCall role = bus.asyncCall(
            P::call(element.service, element.path, P::accessibleInterface, QStringLiteral("GetRole")), ms);
        const QDBusPendingCall children = bus.asyncCall(
            P::call(element.service, element.path, P::accessibleInterface, QStringLiteral("GetChildren")), ms);
        t_store.entries->insert(id, Entry{{role, children}, now});
    }
}
