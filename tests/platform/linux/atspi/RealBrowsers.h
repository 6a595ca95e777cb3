// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// Real browsers on the throw-away desktop of tests/e2e/with-x11-session.sh --a11y, showing pages that a
// local server gives out. Everything started here ends with its owner.
namespace RealBrowsers {

// Whether this process runs inside that session with an accessibility bus.
bool inSession();

// Runs pred every 100 ms until it holds or timeoutMs passed; whether it held.
bool eventually(const std::function<bool()>& pred, int timeoutMs);

// xdotool with arguments; its output, trimmed.
QString xdotool(const QStringList& arguments);
// The title of the X window in front.
QString activeTitle();

// A folder of pages (tests/e2e/pages) over HTTP on 127.0.0.1, on a free port.
class PageServer
{
public:
    explicit PageServer(const QString& folder);
    ~PageServer();
    bool isRunning() const { return m_port > 0; }
    // The address of a page, e.g. url("alpha.html").
    QString url(const QString& page) const;

private:
    QProcess m_process;
    int m_port = 0;
};

// One browser process with a profile and home of its own.
class Browser
{
public:
    enum class Kind
    {
        firefox,
        chromium,
    };

    // Whether the browser is installed.
    static bool installed(Kind kind);
    // Starts the browser on url; extra arguments go before the url.
    Browser(Kind kind, const QString& url, const QStringList& extra = {});
    ~Browser();

    qint64 pid() const { return m_pid; }
    Kind kind() const { return m_kind; }
    // The newest visible window of the browser, waiting up to 30 s for one; empty when none appeared.
    QString window() const;
    // Brings the browser's newest window to the front and types keys into it (xdotool key syntax).
    void keys(const QStringList& keys) const;
    // Types text into the front window.
    void type(const QString& text) const;
    // Loads url in the front tab.
    void go(const QString& url) const;
    // Opens url in a new front tab, through a second start of the browser on the same profile.
    void openTab(const QString& url) const;
    // Runs the browser program again with this profile (Chromium hands it to the running browser).
    void again(const QStringList& arguments) const;

private:
    QStringList profileArguments() const;
    QProcessEnvironment environment() const;

    Kind m_kind;
    QTemporaryDir m_home;
    QProcess m_process;
    qint64 m_pid = 0;
};

} // namespace RealBrowsers
