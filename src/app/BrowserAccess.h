// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"
#include "RendererAccessibility.h"

#include <QCoreApplication>
#include <functional>

// The desktop's accessibility as the views use it, asking before switching it on for the session, plus
// renderer accessibility: Chromium-family browsers show their pages only when started with it, so
// enabling it writes a per-user copy of the browser's launcher that adds the flag (after asking), and
// the browser must be restarted.
class BrowserAccess final : public Accessibility
{
    Q_DECLARE_TR_FUNCTIONS(BrowserAccess)

public:
    struct Browser
    {
        QString id;   // desktop-file id
        QString name; // display name
    };
    // Asks the user a question; true to go ahead.
    using Confirm = std::function<bool(const QString& question)>;
    // Tells the user how it went, in one short text.
    using Tell = std::function<void(const QString& message)>;

    // blocked names the browser that refused, if any.
    BrowserAccess(Accessibility& desktop, RendererAccessibility renderer, std::function<std::optional<Browser>()> blocked,
                  Confirm confirm, Tell tell);

    bool isEnabled() const override { return m_desktop.isEnabled(); }
    // Switching accessibility on is a lasting change for the whole session: only after asking.
    void enable() override;
    void openSettings() override { m_desktop.openSettings(); }
    void enableRendererAccessibility() override;
    ApplicationAnswer application(qint64 pid, Timeout timeout) const override;
    std::optional<AccessibleElement> window(const AccessibleElement& application, Window which,
                                            Timeout timeout) const override;
    AccessibleFacts facts(const AccessibleElement& element, Timeout timeout) const override;
    QString name(const AccessibleElement& element, Timeout timeout) const override;

private:
    Accessibility& m_desktop;
    RendererAccessibility m_renderer;
    std::function<std::optional<Browser>()> m_blocked;
    Confirm m_confirm;
    Tell m_tell;
};
