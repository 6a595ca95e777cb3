// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"

#include <QString>
#include <chrono>
#include <functional>
#include <optional>

// Reads the address of the page a browser shows from its accessibility tree: a breadth-first walk of
// the front window for web areas, bounded in depth, elements, wall time and time per message, that
// keeps the largest. Synchronous; runs on the probe's worker threads.
class PageReader
{
public:
    // The result of one read.
    struct Answer
    {
        enum class Kind
        {
            page,   // the address of the chosen web area, or none when no page was found
            failed, // the application did not answer, with the reason
            denied, // this program may not read accessibility trees
        };

        Kind kind = Kind::page;
        std::optional<QString> address;
        Accessibility::Error error = Accessibility::Error::none;

        static Answer page(std::optional<QString> address) { return {Kind::page, std::move(address), {}}; }
        static Answer failed(Accessibility::Error error) { return {Kind::failed, std::nullopt, error}; }
        static Answer denied() { return {Kind::denied, std::nullopt, {}}; }

        bool operator==(const Answer&) const = default;
    };

    // An answer with what the walk saw on the way, for callers that read more into an empty page.
    struct Reading
    {
        Answer answer;
        bool hasWindow = false;  // a focused or main window was found
        bool skipped = false;    // the window filter turned the window down; nothing was walked
        bool sawWebArea = false; // some element had the web-area role (a candidate or not)
        bool complete = false;   // every element below the window was looked at
    };

    // Monotonic time, for the walk's deadline.
    using Ticks = std::function<std::chrono::milliseconds()>;
    // Given the window's title, true to leave the window unread (a private window, for instance).
    using WindowFilter = std::function<bool(const QString& title)>;

    static constexpr Accessibility::Timeout messagingTimeout{1000};
    static constexpr std::chrono::milliseconds walkDuration{2000};
    static constexpr int depthLimit = 29; // deeper elements are visited, their children are not
    static constexpr int lastIndex = 398; // the walk ends after the element past this queue index
    static constexpr QLatin1StringView interfacePrefix{"chrome:"};

    // ticks defaults to the steady clock.
    explicit PageReader(const Accessibility& accessibility, Ticks ticks = {});

    // The address of the largest page in the front window of the process.
    Answer frontPage(qint64 pid) const;
    // frontPage, with what the walk saw; skipWindow, when set, may decline the window by its title.
    Reading read(qint64 pid, const WindowFilter& skipWindow = {}) const;
    // The monotonic time the reader goes by.
    std::chrono::milliseconds now() const { return m_ticks(); }

private:
    void walk(const AccessibleElement& root, Reading& reading) const;

    const Accessibility& m_accessibility;
    Ticks m_ticks;
};
