// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealBrowsers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace RealBrowsers {

namespace {

// Quiet first starts: no welcome or privacy tabs, no update or telemetry traffic.
const char* const firefoxPreferences = R"(user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.startup.firstrunSkipsHomepage", true);
user_pref("browser.newtabpage.enabled", false);
user_pref("browser.tabs.warnOnClose", false);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("trailhead.firstrun.didSeeAboutWelcome", true);
user_pref("app.update.enabled", false);
user_pref("app.normandy.enabled", false);
user_pref("extensions.update.enabled", false);
user_pref("browser.search.update", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("browser.safebrowsing.malware.enabled", false);
user_pref("browser.safebrowsing.phishing.enabled", false);
)";

QString python()
{
    const QString system = QStringLiteral("/usr/bin/python3");
    return QFile::exists(system) ? system : QStandardPaths::findExecutable(QStringLiteral("python3"));
}

void end(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

bool inSession()
{
    return qEnvironmentVariableIsSet("HORAVANE_X11_SESSION") && qEnvironmentVariableIsSet("HORAVANE_X11_A11Y");
}

bool eventually(const std::function<bool()>& pred, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(40000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString activeTitle()
{
    return xdotool({"getactivewindow", "getwindowname"});
}

PageServer::PageServer(const QString& folder)
{
    m_process.setProgram(python());
    m_process.setArguments({"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", folder});
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start();
    // "Serving HTTP on 127.0.0.1 port 43117 (http://127.0.0.1:43117/) ..."
    static const QRegularExpression serving(QStringLiteral("port (\\d+)"));
    QByteArray said;
    const QDeadlineTimer deadline(10000);
    while (m_port == 0 && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(200);
        said += m_process.readAll();
        const QRegularExpressionMatch match = serving.match(QString::fromUtf8(said));
        if (match.hasMatch())
            m_port = match.captured(1).toInt();
    }
}

PageServer::~PageServer()
{
    end(m_process);
}

QString PageServer::url(const QString& page) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(page);
}

bool Browser::installed(Kind kind)
{
    return !QStandardPaths::findExecutable(kind == Kind::firefox ? QStringLiteral("firefox-esr")
                                                                 : QStringLiteral("chromium"))
                .isEmpty();
}

Browser::Browser(Kind kind, const QString& url, const QStringList& extra) : m_kind(kind)
{
    if (kind == Kind::firefox) {
        QDir(m_home.path()).mkpath("profile");
        QFile preferences(m_home.filePath("profile/user.js"));
        if (preferences.open(QIODevice::WriteOnly))
            preferences.write(firefoxPreferences);
    }
    m_process.setProcessEnvironment(environment());
    m_process.setProgram(kind == Kind::firefox ? QStringLiteral("firefox-esr") : QStringLiteral("chromium"));
    m_process.setArguments(profileArguments() + extra + QStringList{url});
    m_process.setStandardOutputFile(m_home.filePath("browser.log"));
    m_process.setStandardErrorFile(m_home.filePath("browser.log"), QIODevice::Append);
    m_process.start();
    if (m_process.waitForStarted(10000))
        m_pid = m_process.processId(); // both launchers exec the browser, so this is its pid
}

Browser::~Browser()
{
    end(m_process);
    // Helper processes may still write into the profile for a moment after the browser ended.
    eventually([this] { return m_home.remove(); }, 5000);
}

QProcessEnvironment Browser::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Everything a browser keeps goes below the throw-away home.
    environment.insert("HOME", m_home.path());
    environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    environment.insert("XDG_CACHE_HOME", m_home.filePath("cache"));
    environment.insert("XDG_DATA_HOME", m_home.filePath("data"));
    if (m_kind == Kind::firefox)
        environment.insert("GNOME_ACCESSIBILITY", "1");
    return environment;
}

QStringList Browser::profileArguments() const
{
    if (m_kind == Kind::firefox)
        return {"--no-remote", "--new-instance", "--profile", m_home.filePath("profile")};
    return {"--user-data-dir=" + m_home.filePath("chromium"),
            "--no-first-run",
            "--no-default-browser-check",
            "--disable-gpu",
            "--no-sandbox", // the tests run as root
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-sync",
            "--password-store=basic"};
}

QString Browser::window() const
{
    // A search fails outright when a window it looks at goes away meanwhile, as some do while a browser starts.
    QString windows;
    eventually(
        [&] {
            windows = xdotool({"search", "--onlyvisible", "--pid", QString::number(m_pid), "--name", "."});
            return !windows.isEmpty();
        },
        30000);
    return windows.section(u'\n', -1);
}

void Browser::keys(const QStringList& keys) const
{
    // The browser's window in front takes the keys; otherwise one of its windows is brought forward.
    const QString active = xdotool({"getactivewindow"});
    if (active.isEmpty() || xdotool({"getwindowpid", active}) != QString::number(m_pid)) {
        const QString target = window();
        if (target.isEmpty())
            return;
        xdotool({"windowactivate", "--sync", target});
    }
    xdotool(QStringList{"key", "--clearmodifiers", "--delay", "50"} + keys);
}

void Browser::type(const QString& text) const
{
    xdotool({"type", "--clearmodifiers", "--delay", "10", text});
}

void Browser::go(const QString& url) const
{
    keys({"ctrl+l"});
    type(url);
    xdotool({"key", "--clearmodifiers", "Return"});
}

void Browser::openTab(const QString& url) const
{
    // A second start hands the address to the running browser of this profile, which opens it in a new front
    // tab: no keys typed into a tab that may not be ready yet on a loaded machine.
    if (m_kind == Kind::chromium) {
        again({url});
        return;
    }
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("firefox-esr"), {"--profile", m_home.filePath("profile"), "--new-tab", url});
    process.waitForFinished(15000);
}

void Browser::again(const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(m_kind == Kind::firefox ? QStringLiteral("firefox-esr") : QStringLiteral("chromium"),
                  profileArguments() + arguments);
    process.waitForFinished(15000);
}

} // namespace RealBrowsers
