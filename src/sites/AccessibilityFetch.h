#pragma once

#include "BrowserFetch.h"
#include "FirefoxReader.h"

// Asks a browser for its front page through its accessibility tree. This is the one way there is on a
// desktop without Apple Events, so every family goes through it; Chromium-family browsers get their
// private-window check from the window title, and a window with no page at all means they were not
// started with renderer accessibility, which is how they refuse.
class AccessibilityFetch final : public BrowserFetch
{
public:
    explicit AccessibilityFetch(const Accessibility& accessibility, FirefoxReader::Ticks ticks = {});

    // The timeout is not used: the walk has its own bounds.
    Outcome fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout) const override;

    // Whether a Chromium window with this title is a private (incognito) one.
    static bool isPrivateTitle(const QString& title);
    // Whether a Firefox-family window with this accessible title is a private one.
    static bool isPrivateFirefoxTitle(const QString& title);

private:
    FirefoxReader m_reader;
};
