// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopSources.h"

#include "IdleSource.h"
#include "LinuxWorkspace.h"
#include "PanelTone.h"
#include "PopupPlacement.h"

namespace {

// A compositor that offers no way to tell the window in front: nothing is in front, so nothing is recorded.
class UnknownWorkspace final : public LinuxWorkspace
{
public:
    std::optional<RunningApp> frontmostApplication() const override { return std::nullopt; }
    QList<RunningApp> runningApplications() const override { return {}; }
    QString description() const override { return QStringLiteral("unknown compositor, nothing is recorded"); }
};

// A desktop that tells no idleness: the user never counts as idle.
class NoIdleSource final : public IdleSource
{
public:
    void setLimit(qint64) override {}
    double secondsSinceLastInput() const override { return 0; }
    QString description() const override { return QStringLiteral("none (idle time unknown)"); }
};

const QString kwin = QStringLiteral("org.kde.KWin");
const QString gnomeShell = QStringLiteral("org.gnome.Shell");
const QString mutterIdle = QStringLiteral("org.gnome.Mutter.IdleMonitor");

// A check of the session that says why it fails.
bool check(bool offered, QString* whyNot, const QString& why)
{
    if (!offered)
        *whyNot = why;
    return offered;
}

QString notOnBus(const QString& service)
{
    return service + QStringLiteral(" is not on the session bus");
}

} // namespace

template <typename Source> struct DesktopSources::Candidate
{
    QString name;
    std::function<bool(QString* whyNot)> isAvailable;
    // Empty where nothing needs to run: the candidate is chosen as soon as it is available.
    std::function<std::unique_ptr<Source>(QString* whyNot)> make = {};
};

DesktopSources::DesktopSources(DesktopSession& session) : m_session(session) {}

DesktopSources::~DesktopSources() = default;

template <typename Source>
std::unique_ptr<Source> DesktopSources::choose(const QString& capability,
                                               std::initializer_list<Candidate<Source>> candidates)
{
    QStringList passedOver;
    for (const Candidate<Source>& candidate : candidates) {
        QString whyNot;
        std::unique_ptr<Source> source;
        if (candidate.isAvailable(&whyNot) && (!candidate.make || (source = candidate.make(&whyNot)))) {
            QString chosen = candidate.name;
            if constexpr (requires { source->description(); })
                chosen = source->description();
            if (!passedOver.isEmpty())
                chosen += QStringLiteral(" (passed over: %1)").arg(passedOver.join(QStringLiteral(", ")));
            m_choices.append(capability + QStringLiteral(": ") + chosen);
            return source;
        }
        passedOver.append(candidate.name + QStringLiteral(" — ") + whyNot);
    }
    m_choices.append(capability + QStringLiteral(": none (") + passedOver.join(QStringLiteral(", ")) + u')');
    return nullptr;
}

std::unique_ptr<LinuxWorkspace> DesktopSources::windowInFront()
{
    DesktopSession& s = m_session;
    const bool wayland = s.isWayland();
    std::unique_ptr<LinuxWorkspace> workspace = choose<LinuxWorkspace>(
        QStringLiteral("window in front"),
        {
            {QStringLiteral("X11"),
             [&](QString* whyNot) {
                 return check(!wayland, whyNot, QStringLiteral("a Wayland session is never read through X11"));
             },
             [&](QString* whyNot) { return s.x11Windows(whyNot); }},
            {QStringLiteral("KWin script"),
             [&](QString* whyNot) { return check(wayland && s.hasService(kwin), whyNot, notOnBus(kwin)); },
             [&](QString* whyNot) { return s.kwinWindows(whyNot); }},
            {QStringLiteral("GNOME Shell"),
             [&](QString* whyNot) { return check(wayland && s.hasService(gnomeShell), whyNot, notOnBus(gnomeShell)); },
             [&](QString* whyNot) { return s.gnomeShellWindows(whyNot); }},
            {QStringLiteral("wlroots"),
             [&](QString* whyNot) {
                 return check(s.offers(QLatin1String("zwlr_foreign_toplevel_manager_v1")), whyNot,
                              QStringLiteral("no zwlr_foreign_toplevel_manager_v1"));
             },
             [&](QString* whyNot) { return s.wlrootsWindows(whyNot); }},
            {QStringLiteral("none"), [&](QString* whyNot) { return check(wayland, whyNot, QStringLiteral("no X11")); },
             [](QString*) { return std::make_unique<UnknownWorkspace>(); }},
        });
    m_windowInFrontUnknown = dynamic_cast<UnknownWorkspace*>(workspace.get()) != nullptr;
    return workspace;
}

std::unique_ptr<IdleSource> DesktopSources::idle()
{
    DesktopSession& s = m_session;
    return choose<IdleSource>(
        QStringLiteral("idle"),
        {
            {QStringLiteral("X11"),
             [&](QString* whyNot) { return check(!s.isWayland(), whyNot, QStringLiteral("a Wayland session")); },
             [&](QString* whyNot) { return s.x11Idle(whyNot); }},
            {QStringLiteral("Wayland idle notification"),
             [&](QString* whyNot) {
                 return check(s.offers(QLatin1String("ext_idle_notifier_v1")) ||
                                  s.offers(QLatin1String("org_kde_kwin_idle")),
                              whyNot, QStringLiteral("neither ext_idle_notifier_v1 nor org_kde_kwin_idle"));
             },
             [&](QString* whyNot) { return s.waylandIdle(whyNot); }},
            // GNOME's Mutter offers no idle protocol, only its own service.
            {QStringLiteral("Mutter"),
             [&](QString* whyNot) { return check(s.hasService(mutterIdle), whyNot, notOnBus(mutterIdle)); },
             [&](QString* whyNot) { return s.mutterIdle(whyNot); }},
            {QStringLiteral("none"), [](QString*) { return true; },
             [](QString*) { return std::make_unique<NoIdleSource>(); }},
        });
}

std::unique_ptr<PopupPlacement> DesktopSources::popoverPlacement(const QString& title,
                                                                 const std::function<QPoint()>& position)
{
    DesktopSession& s = m_session;
    const bool wayland = s.isWayland();
    return choose<PopupPlacement>(
        QStringLiteral("popover placement"),
        {
            {QStringLiteral("the popover itself"),
             [&](QString* whyNot) {
                 return check(!wayland, whyNot, QStringLiteral("a Wayland window cannot place itself"));
             }},
            {QStringLiteral("KWin script"),
             [&](QString* whyNot) { return check(s.hasService(kwin), whyNot, notOnBus(kwin)); },
             [&](QString* whyNot) { return s.kwinPlacement(title, position, whyNot); }},
            {QStringLiteral("sway IPC"),
             [&](QString* whyNot) { return check(s.hasSwaySocket(), whyNot, QStringLiteral("no SWAYSOCK")); },
             [&](QString* whyNot) { return s.swayPlacement(title, position, whyNot); }},
            {QStringLiteral("Horavane's GNOME Shell extension"),
             [&](QString* whyNot) { return check(s.hasService(gnomeShell), whyNot, notOnBus(gnomeShell)); }},
            {QStringLiteral("the compositor"), [](QString*) { return true; }},
        });
}

std::unique_ptr<PanelTone> DesktopSources::panelTone()
{
    DesktopSession& s = m_session;
    const auto named = [&](std::initializer_list<const char*> desktops, QString* whyNot) {
        for (const char* desktop : desktops)
            if (s.names(QLatin1String(desktop)))
                return true;
        *whyNot = QStringLiteral("XDG_CURRENT_DESKTOP names no ") + QLatin1String(*desktops.begin());
        return false;
    };
    const auto tone = [&](DesktopSession::Panel panel) { return [&s, panel](QString*) { return s.panelTone(panel); }; };
    // GNOME Shell draws its top bar dark in both its light and dark styles; so do the desktops built on it.
    std::unique_ptr<PanelTone> chosen = choose<PanelTone>(
        QStringLiteral("panel"),
        {
            {QStringLiteral("GNOME Shell's top bar"),
             [&](QString* whyNot) {
                 return named({"GNOME", "UNITY"}, whyNot);
             },
             tone(DesktopSession::Panel::alwaysDark)},
            {QStringLiteral("Pantheon's panel"), [&](QString* whyNot) { return named({"PANTHEON"}, whyNot); },
             tone(DesktopSession::Panel::alwaysDark)},
            {QStringLiteral("Plasma's panel"), [&](QString* whyNot) { return named({"KDE"}, whyNot); },
             tone(DesktopSession::Panel::plasma)},
            {QStringLiteral("Xfce's panel"), [&](QString* whyNot) { return named({"XFCE"}, whyNot); },
             tone(DesktopSession::Panel::xfce)},
            {QStringLiteral("an unknown panel"), [](QString*) { return true; }},
        });
    // Of the hosts of status items, only GNOME Shell's draws their text beside the icon; Plasma's and Xfce's
    // show it in no way but the tooltip.
    m_panelDrawsItemText = s.names(QLatin1String("GNOME")) || s.names(QLatin1String("UNITY"));
    return chosen;
}
