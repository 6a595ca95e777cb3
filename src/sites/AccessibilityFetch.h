// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserFetch.h"
#include "PageReader.h"

#include <QHash>
#include <QMutex>

// Asks a browser for its front page through its accessibility tree, the one way there is, so every family
// goes through it. Chromium-family browsers get their private-window check from the window title, and a
// window with no page at all means they were not started with renderer accessibility, which is how they
// refuse.
class AccessibilityFetch final : public BrowserFetch
{
public:
    // Whether a Firefox-family process browses privately in every window; the profile's setting by default.
    using PermanentPrivate = std::function<bool(qint64 pid)>;

    explicit AccessibilityFetch(const Accessibility& accessibility, PageReader::Ticks ticks = {},
                                PermanentPrivate permanentPrivate = {});

    // The timeout is not used: the walk has its own bounds.
    Outcome fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout) const override;

    // Whether a Chromium window with this title may be a private one (incognito or guest, in any of the
    // browser's languages). An empty title, which is also what a failed read gives, may be.
    static bool isPrivateTitle(const QString& title);
    // The same for a Firefox-family window.
    static bool isPrivateFirefoxTitle(const QString& title);

    // A Chromium window that has just opened shows no page until its first one loads: only one that
    // has shown none for this long is taken for a refusal.
    static constexpr std::chrono::milliseconds refusalAfter{5000};

private:
    // Whether the process has shown windows without a page for refusalAfter, counting from now on.
    bool pagelessForLong(qint64 pid) const;
    void forgetPageless(qint64 pid) const;
    // Whether the Firefox-family process always browses privately, learned once per process.
    bool alwaysPrivate(qint64 pid) const;

    PageReader m_reader;
    mutable QMutex m_mutex; // fetches run on several worker threads
    mutable QHash<qint64, std::chrono::milliseconds> m_pagelessSince;
    PermanentPrivate m_permanentPrivate;
    mutable QHash<qint64, bool> m_alwaysPrivate;
};
