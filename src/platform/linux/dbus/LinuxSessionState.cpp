// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxSessionState.h"

#include "DisplaySleepHoldWatch.h"
#include "LogindSession.h"
#include "ProcessInfo.h"
#include "ScreenSaverWatch.h"

namespace {

QString describe(std::optional<bool> value)
{
    return value ? (*value ? QStringLiteral("true") : QStringLiteral("false")) : QStringLiteral("unknown");
}

QString describe(const ScreenSaverWatch& watch)
{
    return watch.service() +
           (watch.active() ? QStringLiteral(" active ") + describe(watch.active()) : QStringLiteral(" not answering"));
}

} // namespace

LinuxSessionState::LinuxSessionState(QDBusConnection systemBus, QDBusConnection sessionBus,
                                     std::function<double()> idleSeconds, std::function<bool()> displayAsleep,
                                     QObject* parent)
    : QObject(parent), m_systemBus(std::move(systemBus)), m_sessionBus(std::move(sessionBus)),
      m_idleSeconds(std::move(idleSeconds)), m_displayAsleep(std::move(displayAsleep)),
      m_logind(new LogindSession(m_systemBus, this)),
      m_freedesktopScreenSaver(new ScreenSaverWatch(m_sessionBus, QStringLiteral("org.freedesktop.ScreenSaver"),
                                                    QStringLiteral("/org/freedesktop/ScreenSaver"),
                                                    QStringLiteral("org.freedesktop.ScreenSaver"), this)),
      m_gnomeScreenSaver(new ScreenSaverWatch(m_sessionBus, QStringLiteral("org.gnome.ScreenSaver"),
                                              QStringLiteral("/org/gnome/ScreenSaver"),
                                              QStringLiteral("org.gnome.ScreenSaver"), this)),
      m_displaySleepHolds(new DisplaySleepHoldWatch(m_systemBus, m_sessionBus, this))
{
    connect(m_logind, &LogindSession::changed, this, &LinuxSessionState::sessionChanged);
    connect(m_freedesktopScreenSaver, &ScreenSaverWatch::changed, this, &LinuxSessionState::sessionChanged);
    connect(m_gnomeScreenSaver, &ScreenSaverWatch::changed, this, &LinuxSessionState::sessionChanged);
}

LinuxSessionState::~LinuxSessionState() = default;

bool LinuxSessionState::displayIsAsleep() const
{
    return m_displayAsleep && m_displayAsleep();
}

bool LinuxSessionState::sessionIsKnown() const
{
    return m_logind->isFound() || m_freedesktopScreenSaver->active().has_value() ||
           m_gnomeScreenSaver->active().has_value();
}

std::optional<bool> LinuxSessionState::screenIsLocked() const
{
    // Any source that sees the lock screen wins; the others may lag or not know of it.
    const std::optional<bool> sources[] = {m_logind->lockedHint(), m_freedesktopScreenSaver->active(),
                                           m_gnomeScreenSaver->active()};
    std::optional<bool> locked;
    for (const std::optional<bool>& source : sources) {
        if (source == true)
            return true;
        if (source)
            locked = false;
    }
    return locked;
}

std::optional<bool> LinuxSessionState::onConsole() const
{
    return m_logind->active();
}

double LinuxSessionState::secondsSinceLastInput() const
{
    return m_idleSeconds ? m_idleSeconds() : 0;
}

std::optional<QList<DisplaySleepHold>> LinuxSessionState::displaySleepHolds() const
{
    // The next idle sample sees what this read finds; logind has no change signal to wait for.
    m_displaySleepHolds->refresh();
    return m_displaySleepHolds->holds();
}

std::optional<qint64> LinuxSessionState::parentProcess(qint64 pid) const
{
    return ProcessInfo::parent(pid);
}

QString LinuxSessionState::sourcesDescription() const
{
    const QString logind = m_logind->isFound()
                               ? QStringLiteral("logind session ") + m_logind->path() + QStringLiteral(" (locked ") +
                                     describe(m_logind->lockedHint()) + QStringLiteral(", active ") +
                                     describe(m_logind->active()) + QLatin1Char(')')
                               : QStringLiteral("no logind session");
    return logind + QStringLiteral("; screensavers: ") + describe(*m_freedesktopScreenSaver) + QStringLiteral(", ") +
           describe(*m_gnomeScreenSaver) +
           QStringLiteral("; display-sleep holds read from logind, GNOME and KDE in the background");
}
