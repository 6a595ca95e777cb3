#include "Activity.h"

#include "SessionState.h"
#include "Workspace.h"

namespace {

const QLatin1String preventUserIdleDisplaySleep("PreventUserIdleDisplaySleep");
const QLatin1String noDisplaySleepAssertion("NoDisplaySleepAssertion");
const QLatin1String safariPrefix("com.apple.Safari");
const QLatin1String webContentPrefix("com.apple.WebKit");
constexpr double defaultIdleLimitSeconds = 120;
constexpr int processNameBufferSize = 256;

// The process's name, decoded as UTF-8 with invalid sequences repaired.
QString name(const SessionState& session, qint64 pid)
{
    const QByteArray bytes = session.processName(pid).left(processNameBufferSize - 1);
    const qsizetype length = qstrnlen(bytes.constData(), bytes.size());
    return length >= 1 ? QString::fromUtf8(bytes.constData(), length) : QString();
}

bool keepsDisplayAwake(const PowerAssertion& assertion)
{
    return assertion.type == preventUserIdleDisplaySleep || assertion.type == noDisplaySleepAssertion;
}

bool isKeepingDisplayAwake(const RunningApp& app, const SessionState& session)
{
    const std::optional<QList<PowerAssertion>> assertions = session.displaySleepAssertions();
    if (!assertions || assertions->isEmpty())
        return false;
    const qint64 front = app.pid;
    const bool viaWebKit = app.bundleId.startsWith(safariPrefix);
    for (const PowerAssertion& assertion : *assertions) {
        if (!keepsDisplayAwake(assertion))
            continue;
        const qint64 owner = assertion.pid;
        if (owner <= 0 || front <= 0) // a hold without a known process cannot be tied to the front app
            continue;
        if (owner == front)
            return true;
        if (session.parentProcess(owner) == front)
            return true;
        if (viaWebKit && name(session, owner).startsWith(webContentPrefix))
            return true;
    }
    return false;
}

} // namespace

bool Activity::sessionIsActive(const SessionState& session)
{
    if (session.displayIsAsleep())
        return false;
    if (!session.sessionIsKnown())
        return true;
    if (session.screenIsLocked() == true)
        return false;
    return session.onConsole().value_or(true);
}

bool Activity::userIsPresent(const RunningApp& frontmost, const SessionState& session, double idleMinutes)
{
    const double idle = session.secondsSinceLastInput();
    const double limit = idleMinutes > 0 ? idleMinutes * 60 : defaultIdleLimitSeconds;
    if (idle < limit)
        return true;
    return isKeepingDisplayAwake(frontmost, session);
}
