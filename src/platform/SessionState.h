#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One hold on display sleep, by the process that owns it.
struct PowerAssertion
{
    qint64 pid = 0;
    QString type; // "PreventUserIdleDisplaySleep", "NoDisplaySleepAssertion" or another kind

    bool operator==(const PowerAssertion&) const = default;
};

// Facts about the user's session: display, lock, console, input idleness, display-sleep holders
// and process ancestry. Every fact that cannot be told is "unknown" (an empty optional).
class SessionState
{
public:
    virtual ~SessionState() = default;

    virtual bool displayIsAsleep() const = 0;
    // False when the desktop cannot describe the session at all.
    virtual bool sessionIsKnown() const = 0;
    virtual std::optional<bool> screenIsLocked() const = 0;
    virtual std::optional<bool> onConsole() const = 0;
    virtual double secondsSinceLastInput() const = 0;
    // Every hold on display sleep, or none when the list cannot be read. May be slow: ask only when needed.
    virtual std::optional<QList<PowerAssertion>> displaySleepAssertions() const = 0;
    virtual std::optional<qint64> parentProcess(qint64 pid) const = 0;
    // The process's short name as raw bytes, empty when unknown.
    virtual QByteArray processName(qint64 pid) const = 0;
};
