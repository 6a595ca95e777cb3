#include "GnomeGuide.h"

#include "GnomeShellWorkspace.h"

using GnomeExtension::State;

const QString GnomeGuide::question =
    QStringLiteral("Enable Horavane's GNOME Shell extension?\n\nIt tells Horavane which application is in front "
                   "(never a window's title). GNOME Shell starts it when you log in, so log out and back in "
                   "afterwards.");

GnomeGuide::Notice GnomeGuide::noticeFor(const GnomeExtension::Status& status)
{
    const bool supported = status.shellVersion == 0 || !GnomeExtension::formFor(status.shellVersion).isEmpty();
    if (status.state != State::running && !supported)
        return {QStringLiteral("Horavane's GNOME Shell extension runs on GNOME %1 to %2, and this is GNOME %3, so "
                               "Horavane records nothing here. A newer version of Horavane may support it.")
                    .arg(GnomeExtension::oldestShell)
                    .arg(GnomeExtension::newestShell)
                    .arg(status.shellVersion),
                QString()};
    switch (status.state) {
    case State::notInstalled:
        return {QStringLiteral("Horavane needs its GNOME Shell extension to see which application is in front, and "
                               "records nothing until the extension runs. Enable it, then log out and back in."),
                QStringLiteral("Enable Extension…")};
    case State::needsLogIn:
        return {QStringLiteral("Horavane's GNOME Shell extension is enabled. GNOME Shell starts it when you log in: "
                               "log out and back in, and recording starts."),
                QString()};
    case State::turnedOff:
        return {QStringLiteral("Horavane's GNOME Shell extension is turned off, so Horavane records nothing. Turn "
                               "it on to start recording."),
                QStringLiteral("Turn On Extension")};
    case State::outOfDate:
        return {QStringLiteral("GNOME Shell finds the installed copy of Horavane's extension out of date, so "
                               "Horavane records nothing. Update it, then log out and back in."),
                QStringLiteral("Update Extension")};
    case State::failed:
        return {QStringLiteral("GNOME Shell could not start Horavane's extension (%1), so Horavane records nothing. "
                               "Log out and back in to try again.")
                    .arg(status.error.isEmpty() ? QStringLiteral("no reason given") : status.error),
                QString()};
    case State::running:
        break;
    }
    return {};
}

GnomeGuide::GnomeGuide(GnomeShellWorkspace& shell, const QDBusConnection& bus,
                       std::function<GnomeExtension::Status()> read, std::function<GnomeExtension::Enabled()> enable,
                       std::function<bool(const QString&)> ask, std::function<void(const QString&)> tell,
                       QObject* parent)
    : QObject(parent), m_shell(shell), m_read(std::move(read)), m_enable(std::move(enable)), m_ask(std::move(ask)),
      m_tell(std::move(tell)), m_status(m_read())
{
    connect(&m_shell, &GnomeShellWorkspace::extensionAnswersChanged, this, &GnomeGuide::refresh);
    QDBusConnection(bus).connect(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                                 QStringLiteral("org.gnome.Shell.Extensions"), QStringLiteral("ExtensionStateChanged"),
                                 this, SLOT(refresh()));
}

GnomeGuide::Notice GnomeGuide::notice() const
{
    if (m_shell.extensionAnswers())
        return {};
    if (m_waitsForLogIn)
        return noticeFor({State::needsLogIn, 0, QString()});
    return noticeFor(m_status);
}

void GnomeGuide::refresh()
{
    m_status = m_read();
    if (m_status.state == State::running)
        m_waitsForLogIn = false;
    emit changed();
}

void GnomeGuide::enableRequested()
{
    if (m_status.state == State::notInstalled && !m_ask(question))
        return;
    const GnomeExtension::Enabled enabled = m_enable();
    if (enabled.problem) {
        m_tell(QStringLiteral("Horavane could not enable its GNOME Shell extension: ") + *enabled.problem);
        return;
    }
    m_waitsForLogIn = enabled.atNextLogIn;
    m_status = m_read();
    emit changed();
}
