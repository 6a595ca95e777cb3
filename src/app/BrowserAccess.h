#pragma once

#include "Accessibility.h"
#include "RendererAccessibility.h"

#include <functional>

// The desktop's accessibility as the views use it, asking before switching it on for the session, plus
// what "automation settings" mean on Linux:
// Chromium-family browsers show their pages only when started with renderer accessibility, so granting
// a browser access writes a per-user copy of its launcher that adds the flag (after asking), and the
// browser must be restarted.
class BrowserAccess final : public Accessibility
{
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

    // blocked names the browser that refused, if any, when the user asks for its settings.
    BrowserAccess(Accessibility& desktop, RendererAccessibility renderer, std::function<std::optional<Browser>()> blocked,
                  Confirm confirm, Tell tell);

    bool isTrusted() const override { return m_desktop.isTrusted(); }
    // Switching accessibility on is a lasting change for the whole session: only after asking.
    void requestTrust() override;
    void openSettings(SettingsPane pane) override;
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
