// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"
#include "BrowserFamily.h"

#include <QString>
#include <chrono>
#include <optional>

// One request to a browser for the host of its front page. The probe runs it on a worker thread, so
// an implementation keeps no state that two requests to different browsers could share unguarded.
class BrowserFetch
{
public:
    // The result of one request.
    struct Outcome
    {
        enum class Kind
        {
            answered, // the browser told; host is none for a private window, no window or no website
            failed,   // no answer (timeout, browser gone, error), with the reason
            denied,   // this program is not allowed to ask
        };

        Kind kind = Kind::answered;
        std::optional<QString> host;
        Accessibility::Error error = Accessibility::Error::none;

        static Outcome answered(std::optional<QString> host) { return {Kind::answered, std::move(host), {}}; }
        static Outcome failed(Accessibility::Error error) { return {Kind::failed, std::nullopt, error}; }
        static Outcome denied() { return {Kind::denied, std::nullopt, {}}; }

        bool operator==(const Outcome&) const = default;
    };

    virtual ~BrowserFetch() = default;

    // Asks the browser with this process id for its front page's host, waiting at most about timeout.
    virtual Outcome fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout) const = 0;
};
