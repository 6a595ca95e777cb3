// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GnomeExtension.h"

#include <QObject>
#include <QString>
#include <functional>

class GnomeShellWorkspace;

// Leads a GNOME user to the shell extension through which Horavane sees the window in front. Follows what the
// shell makes of it (not installed, waiting for a log-in, turned off, out of date, failed, running), says so in
// plain words with the one action that helps, and steps aside once the extension answers, with no restart of
// Horavane.
class GnomeGuide final : public QObject
{
    Q_OBJECT
public:
    struct Notice
    {
        QString text;   // empty when all is well
        QString button; // empty when the user has nothing to press

        bool operator==(const Notice&) const = default;
    };

    // What the popover and the welcome window say for a state of the extension.
    static Notice noticeFor(const GnomeExtension::Status& status);

    // `read` tells the extension's state, `enable` installs and switches it on; `ask` puts a yes-or-no question,
    // `tell` a message. Reads again whenever the shell reports a change of an extension on `bus`.
    GnomeGuide(GnomeShellWorkspace& shell, const QDBusConnection& bus, std::function<GnomeExtension::Status()> read,
               std::function<GnomeExtension::Enabled()> enable, std::function<bool(const QString&)> ask,
               std::function<void(const QString&)> tell, QObject* parent = nullptr);

    Notice notice() const;

    // The user pressed the notice's button.
    void enableRequested();

public slots:
    void refresh();

signals:
    void changed();

private:
    GnomeShellWorkspace& m_shell;
    std::function<GnomeExtension::Status()> m_read;
    std::function<GnomeExtension::Enabled()> m_enable;
    std::function<bool(const QString&)> m_ask;
    std::function<void(const QString&)> m_tell;
    GnomeExtension::Status m_status;
    bool m_waitsForLogIn = false; // a copy installed in this session, which the shell starts at the next log-in
};
