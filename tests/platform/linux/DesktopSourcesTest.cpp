// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopSources.h"
#include "IdleSource.h"
#include "LinuxWorkspace.h"
#include "PanelTone.h"
#include "PopupPlacement.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

class NamedWorkspace final : public LinuxWorkspace
{
public:
    explicit NamedWorkspace(QString name) : m_name(std::move(name)) {}
    std::optional<RunningApp> frontmostApplication() const override { return std::nullopt; }
    QList<RunningApp> runningApplications() const override { return {}; }
    QString description() const override { return m_name; }

private:
    QString m_name;
};

class NamedIdle final : public IdleSource
{
public:
    explicit NamedIdle(QString name) : m_name(std::move(name)) {}
    void setLimit(qint64) override {}
    double secondsSinceLastInput() const override { return 0; }
    QString description() const override { return m_name; }

private:
    QString m_name;
};

class DarkPanel final : public PanelTone
{
public:
    std::optional<bool> isDark() const override { return true; }
};

// A session as it is described: what it runs and offers, and which sources fail to start although offered.
struct FakeSession final : DesktopSession
{
    bool wayland = false;
    QStringList desktops;
    QSet<QString> services;
    QSet<QString> globals;
    bool swaySocket = false;
    QSet<QString> failing;

    bool isWayland() const override { return wayland; }
    bool names(QLatin1String desktop) const override { return desktops.contains(desktop); }
    bool hasService(const QString& name) const override { return services.contains(name); }
    bool offers(QLatin1String interface) const override { return globals.contains(interface); }
    bool hasSwaySocket() const override { return swaySocket; }

    template <typename Source, typename Made = Source>
    std::unique_ptr<Source> make(const QString& name, QString* whyNot) const
    {
        if (failing.contains(name)) {
            *whyNot = name + QStringLiteral(" refused");
            return nullptr;
        }
        if constexpr (std::is_constructible_v<Made, QString>)
            return std::make_unique<Made>(name);
        else
            return std::make_unique<Made>();
    }
    std::unique_ptr<LinuxWorkspace> x11Windows(QString* w) override
    {
        return make<LinuxWorkspace, NamedWorkspace>("x11", w);
    }
    std::unique_ptr<LinuxWorkspace> kwinWindows(QString* w) override
    {
        return make<LinuxWorkspace, NamedWorkspace>("kwin", w);
    }
    std::unique_ptr<LinuxWorkspace> gnomeShellWindows(QString* w) override
    {
        return make<LinuxWorkspace, NamedWorkspace>("gnome", w);
    }
    std::unique_ptr<LinuxWorkspace> wlrootsWindows(QString* w) override
    {
        return make<LinuxWorkspace, NamedWorkspace>("wlroots", w);
    }
    std::unique_ptr<IdleSource> x11Idle(QString* w) override { return make<IdleSource, NamedIdle>("x11 idle", w); }
    std::unique_ptr<IdleSource> waylandIdle(QString* w) override
    {
        return make<IdleSource, NamedIdle>("wayland idle", w);
    }
    std::unique_ptr<IdleSource> mutterIdle(QString* w) override
    {
        return make<IdleSource, NamedIdle>("mutter idle", w);
    }
    std::unique_ptr<PopupPlacement> kwinPlacement(const QString&, std::function<QPoint()>, QString* w) override
    {
        return make<PopupPlacement>("kwin placement", w);
    }
    std::unique_ptr<PopupPlacement> swayPlacement(const QString&, std::function<QPoint()>, QString* w) override
    {
        return make<PopupPlacement>("sway placement", w);
    }
    std::unique_ptr<PanelTone> panelTone(Panel) override { return std::make_unique<DarkPanel>(); }
};

const QString kwin = QStringLiteral("org.kde.KWin");
const QString shell = QStringLiteral("org.gnome.Shell");
const QString mutter = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString extIdle = QStringLiteral("ext_idle_notifier_v1");
const QString kdeIdle = QStringLiteral("org_kde_kwin_idle");
const QString toplevels = QStringLiteral("zwlr_foreign_toplevel_manager_v1");

} // namespace

TEST(DesktopSourcesTest, EachSessionGetsTheFirstSourceThatItOffersAndThatStarts)
{
    struct Case
    {
        const char* name;
        FakeSession session;
        QStringList expected; // parts of the log line, each capability once
        bool panelDrawsText = false;
    };
    const auto session = [](bool wayland, QStringList desktops, QSet<QString> services, QSet<QString> globals,
                            bool sway = false, QSet<QString> failing = {}) {
        FakeSession s;
        s.wayland = wayland;
        s.desktops = std::move(desktops);
        s.services = std::move(services);
        s.globals = std::move(globals);
        s.swaySocket = sway;
        s.failing = std::move(failing);
        return s;
    };
    const Case cases[] = {
        {"Xfce on X11: X11 for all, and the popover places itself",
         session(false, {"XFCE"}, {mutter}, {}),
         {"window in front: x11;", "idle: x11 idle;", "popover placement: the popover itself;",
          "panel: Xfce's panel (passed over: GNOME Shell's top bar — XDG_CURRENT_DESKTOP names no GNOME"}},
        {"GNOME on X11 still reads X11, and its top bar draws the item's text",
         session(false, {"UBUNTU", "GNOME"}, {shell, mutter}, {}),
         {"window in front: x11;", "idle: x11 idle;", "panel: GNOME Shell's top bar"},
         true},
        {"Plasma on Wayland",
         session(true, {"KDE"}, {kwin}, {extIdle, kdeIdle}),
         {"window in front: kwin (passed over: X11 — a Wayland session is never read through X11);",
          "idle: wayland idle (passed over: X11 — a Wayland session);", "popover placement: KWin script",
          "panel: Plasma's panel"}},
        {"KWin refusing the script: no Plasma window list, nor placement",
         session(true, {"KDE"}, {kwin}, {extIdle}, false, {"kwin", "kwin placement"}),
         {"window in front: unknown compositor, nothing is recorded (passed over: X11 — a Wayland session is never "
          "read through X11, KWin script — kwin refused, GNOME Shell — org.gnome.Shell is not on the session bus, "
          "wlroots — no zwlr_foreign_toplevel_manager_v1);",
          "popover placement: the compositor (passed over: the popover itself — a Wayland window cannot place "
          "itself, KWin script — kwin placement refused, sway IPC — no SWAYSOCK"}},
        {"GNOME on Wayland: the extension, Mutter's idle monitor, and the extension places the popover",
         session(true, {"GNOME"}, {shell, mutter}, {}),
         {"window in front: gnome (passed over:", "KWin script — org.kde.KWin is not on the session bus",
          "idle: mutter idle (passed over:", "Wayland idle notification — neither ext_idle_notifier_v1 nor",
          "popover placement: Horavane's GNOME Shell extension", "panel: GNOME Shell's top bar"},
         true},
        {"sway: the window list, the idle notification and its IPC",
         session(true, {"SWAY"}, {}, {extIdle, toplevels}, true),
         {"window in front: wlroots (passed over:", "idle: wayland idle", "popover placement: sway IPC",
          "panel: an unknown panel"}},
        {"X11 whose display went away: no window source, and the program does not start",
         session(false, {}, {}, {}, false, {"x11"}),
         {"window in front: none (X11 — x11 refused, KWin script — org.kde.KWin is not on the session bus"}},
        {"weston: nothing tells the window in front nor idleness",
         session(true, {}, {}, {}),
         {"window in front: unknown compositor, nothing is recorded (passed over:", "idle: none (idle time unknown)",
          "popover placement: the compositor"}},
    };
    for (Case c : cases) {
        DesktopSources sources(c.session);
        const std::unique_ptr<LinuxWorkspace> windows = sources.windowInFront();
        sources.idle();
        sources.popoverPlacement(QStringLiteral("Horavane — Today"), [] { return QPoint(); });
        sources.panelTone();
        const std::string line = sources.description().toStdString();
        for (const QString& part : c.expected)
            EXPECT_NE(line.find(part.toStdString()), std::string::npos)
                << c.name << "\n  " << part.toStdString() << "\n  in: " << line;
        EXPECT_EQ(sources.windowInFrontUnknown(), windows && windows->description().startsWith("unknown")) << c.name;
        EXPECT_EQ(sources.panelDrawsItemText(), c.panelDrawsText) << c.name;
    }
}
