#pragma once

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
            failed,   // no answer (timeout, browser gone, error), with the system's code
            denied,   // this program is not allowed to ask
        };

        Kind kind = Kind::answered;
        std::optional<QString> host;
        int code = 0;

        static Outcome answered(std::optional<QString> host) { return {Kind::answered, std::move(host), 0}; }
        static Outcome failed(int code) { return {Kind::failed, std::nullopt, code}; }
        static Outcome denied() { return {Kind::denied, std::nullopt, 0}; }

        bool operator==(const Outcome&) const = default;
    };

    virtual ~BrowserFetch() = default;

    // Asks the browser with this process id for its front page's host, waiting at most about timeout.
    virtual Outcome fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout) const = 0;
};
