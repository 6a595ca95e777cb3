// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GnomeGuide.h"

#include "GnomeShellWorkspace.h"

using GnomeExtension::State;

GnomeGuide::Notice GnomeGuide::noticeFor(const GnomeExtension::Status& status)
{
    const bool supported = status.shellVersion == 0 || !GnomeExtension::formFor(status.shellVersion).isEmpty();
    if (status.state != State::running && !supported)
        //: %1 to %2 are the GNOME versions the extension runs on, %3 the one running.
        return {tr("Horavane's GNOME Shell extension runs on GNOME %1 to %2, and this is GNOME %3, so Horavane "
                   "records nothing here. A newer version of Horavane may support it.")
                    .arg(GnomeExtension::oldestShell)
                    .arg(GnomeExtension::newestShell)
                    .arg(status.shellVersion),
                QString()};
    switch (status.state) {
    case State::notInstalled:
        return {tr("Horavane needs its GNOME Shell extension to see which application is in front, and records "
                   "nothing until the extension runs. Enable it, then log out and back in."),
                //: A button below the notice.
                tr("Enable Extension…")};
    case State::needsLogIn:
        return {tr("Horavane's GNOME Shell extension is enabled. GNOME Shell starts it when you log in: log out and "
                   "back in, and recording starts."),
                QString()};
    case State::turnedOff:
        return {tr("Horavane's GNOME Shell extension is turned off, so Horavane records nothing. Turn it on to "
                   "start recording."),
                //: A button below the notice.
                tr("Turn On Extension")};
    case State::outOfDate:
        return {tr("GNOME Shell finds the installed copy of Horavane's extension out of date, so Horavane records "
                   "nothing. Update it, then log out and back in."),
                //: A button below the notice.
                tr("Update Extension")};
    case State::failed:
        //: %1 is GNOME Shell's own reason, or "no reason given".
        return {tr("GNOME Shell could not start Horavane's extension (%1), so Horavane records nothing. Log out and "
                   "back in to try again.")
                    .arg(status.error.isEmpty() ? tr("no reason given") : status.error),
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
    if (m_status.state == State::notInstalled &&
        !m_ask(tr("Enable Horavane's GNOME Shell extension?\n\nIt tells Horavane which application is in front (never "
                  "a window's title). GNOME Shell starts it when you log in, so log out and back in afterwards.")))
        return;
    const GnomeExtension::Enabled enabled = m_enable();
    if (enabled.problem) {
        //: %1 says what went wrong.
        m_tell(tr("Horavane could not enable its GNOME Shell extension: %1").arg(*enabled.problem));
        return;
    }
    m_waitsForLogIn = enabled.atNextLogIn;
    m_status = m_read();
    emit changed();
}
