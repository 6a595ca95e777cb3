// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopSession.h"

#include <QStringList>
#include <functional>
#include <memory>

// Chooses, for each thing Horavane asks of the desktop, where it comes from: of a list of candidates, the first
// that the session offers and that starts. What was chosen, and why each candidate before it was passed over,
// make one line in the log.
class DesktopSources
{
public:
    explicit DesktopSources(DesktopSession& session);
    ~DesktopSources();

    // Which application is in front: X11, else KWin's script, GNOME Shell's extension or wlroots' window list.
    // On Wayland, a workspace with nothing in front when no compositor tells; none when X11's display is gone.
    std::unique_ptr<LinuxWorkspace> windowInFront();
    // Whether no source tells the window in front, so that nothing is recorded.
    bool windowInFrontUnknown() const { return m_windowInFrontUnknown; }
    // How long the user has been idle; a source that never tells idleness when none does.
    std::unique_ptr<IdleSource> idle();
    // What moves the popover to the tray item; none where it places itself or the compositor places it.
    std::unique_ptr<PopupPlacement> popoverPlacement(const QString& title, const std::function<QPoint()>& position);
    // What tells whether the panel with the tray is dark; none when the desktop does not say.
    std::unique_ptr<PanelTone> panelTone();
    // Whether the panel draws a status item's text beside its icon (only GNOME Shell's top bar does).
    bool panelDrawsItemText() const { return m_panelDrawsItemText; }

    // What was chosen for each, with the candidates passed over and why, e.g.
    // "window in front: KWin script (passed over: X11 — …); idle: …".
    QString description() const { return m_choices.join(QStringLiteral("; ")); }

private:
    template <typename Source> struct Candidate;
    template <typename Source>
    std::unique_ptr<Source> choose(const QString& capability, std::initializer_list<Candidate<Source>> candidates);

    DesktopSession& m_session;
    QStringList m_choices;
    bool m_windowInFrontUnknown = false;
    bool m_panelDrawsItemText = false;
};
