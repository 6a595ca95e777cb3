// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserAccess.h"

#include "PlatformTexts.h"

BrowserAccess::BrowserAccess(Accessibility& desktop, RendererAccessibility renderer,
                             std::function<std::optional<Browser>()> blocked, Confirm confirm, Tell tell)
    : m_desktop(desktop), m_renderer(std::move(renderer)), m_blocked(std::move(blocked)), m_confirm(std::move(confirm)),
      m_tell(std::move(tell))
{
}

void BrowserAccess::enable()
{
    if (m_confirm(tr("Browsers show Horavane the address of the page in front through the desktop's accessibility, "
                     "which is switched off. Switch it on for your session? Screen readers and other assistive tools "
                     "use the same switch.")))
        m_desktop.enable();
}

void BrowserAccess::enableRendererAccessibility()
{
    // A Chromium-family browser needs both the session's accessibility and its own launcher flag; whatever
    // is missing is asked for in one question.
    const bool switchedOff = !m_desktop.isEnabled();
    const std::optional<Browser> browser = m_blocked();
    const bool known = browser && !browser->id.isEmpty();
    const bool flagged = known && m_renderer.isEnabled(browser->id);
    if (!switchedOff && !known) {
        //: %1 is the name of the button in Horavane's window.
        m_tell(tr("Chromium-family browsers show Horavane their pages when they start with "
                  "--force-renderer-accessibility. Bring the browser to the front once, then choose “%1” in "
                  "Horavane's window to add it for that browser.")
                   .arg(PlatformTexts::browserAccessButton()));
        return;
    }
    if (!switchedOff && flagged) {
        //: %1 is the browser's name.
        m_tell(tr("Quit %1 and start it again: it lets Horavane see its websites from its next start.")
                   .arg(browser->name));
        return;
    }
    const QString name = known ? browser->name : tr("Your browser");
    QString question;
    if (switchedOff && known && !flagged)
        //: %1 is the browser's name.
        question = tr("%1 shows Horavane the address of the page in front through the desktop's accessibility, which "
                      "is switched off. Switch it on for your session? Screen readers and other assistive tools use "
                      "the same switch. Horavane also adds renderer accessibility to how %1 starts for your account; "
                      "to undo that, remove the copy of its launcher in ~/.local/share/applications.");
    else if (switchedOff)
        //: %1 is the browser's name, or "Your browser".
        question = tr("%1 shows Horavane the address of the page in front through the desktop's accessibility, which "
                      "is switched off. Switch it on for your session? Screen readers and other assistive tools use "
                      "the same switch.");
    else
        //: %1 is the browser's name, or "Your browser".
        question = tr("%1 lets Horavane see the page in front only when it starts with renderer accessibility. "
                      "Horavane can add that to how %1 starts for your account; to undo it, remove the copy of its "
                      "launcher in ~/.local/share/applications.");
    if (!m_confirm(question.arg(name)))
        return;
    if (switchedOff)
        m_desktop.enable();
    if (!known) {
        //: %1 is the name of the button in Horavane's window.
        m_tell(tr("Chromium-family browsers also need --force-renderer-accessibility. Bring the browser to the front "
                  "once, then choose “%1” in Horavane's window to add it for that browser.")
                   .arg(PlatformTexts::browserAccessButton()));
        return;
    }
    if (flagged || m_renderer.enable(browser->id))
        //: %1 is the browser's name.
        m_tell(tr("Quit %1 and start it again to let Horavane see which websites you visit in it.").arg(browser->name));
    else
        //: %1 is the browser's name.
        m_tell(tr("Horavane could not change how %1 starts. Start it with --force-renderer-accessibility to let "
                  "Horavane see its websites.")
                   .arg(browser->name));
}

Accessibility::ApplicationAnswer BrowserAccess::application(qint64 pid, Timeout timeout) const
{
    return m_desktop.application(pid, timeout);
}

std::optional<AccessibleElement> BrowserAccess::window(const AccessibleElement& application, Window which,
                                                       Timeout timeout) const
{
    return m_desktop.window(application, which, timeout);
}

AccessibleFacts BrowserAccess::facts(const AccessibleElement& element, Timeout timeout) const
{
    return m_desktop.facts(element, timeout);
}

QString BrowserAccess::name(const AccessibleElement& element, Timeout timeout) const
{
    return m_desktop.name(element, timeout);
}
