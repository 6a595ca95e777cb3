// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserFetch.h"
#include "LoginItem.h"
#include "TrackerFixture.h"
#include "WelcomeView.h"

#include <QTest>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>

// Browser answers the test gives when it chooses: a request waits until its browser's answer is set, so a
// test can look at the window while the user is still deciding.
class GatedFetch final : public BrowserFetch
{
public:
    Outcome fetch(qint64 pid, BrowserFamily, std::chrono::milliseconds) const override
    {
        std::unique_lock lock(m_mutex);
        ++m_calls;
        m_changed.wait(lock, [&] { return m_open || m_outcomes.contains(pid); });
        return m_outcomes.value(pid, Outcome::failed(Accessibility::Error::noReply));
    }
    void answer(qint64 pid, const Outcome& outcome)
    {
        const std::lock_guard lock(m_mutex);
        m_outcomes.insert(pid, outcome);
        m_changed.notify_all();
    }
    // Lets every waiting and later request end, unanswered ones with a failure.
    void open()
    {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    int calls() const
    {
        const std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable int m_calls = 0;
    bool m_open = false;
    QHash<qint64, Outcome> m_outcomes;
};

class CountingLoginItem final : public LoginItem
{
public:
    bool isEnabled() const override { return enabled; }
    std::optional<QString> enable() override
    {
        ++enables;
        if (failure)
            return failure;
        enabled = true;
        return std::nullopt;
    }
    std::optional<QString> disable() override
    {
        ++disables;
        if (failure)
            return failure;
        enabled = false;
        return std::nullopt;
    }

    bool enabled = false;
    std::optional<QString> failure;
    int enables = 0;
    int disables = 0;
};

inline RunningApp app(const char* id, const char* name, qint64 pid)
{
    return RunningApp{QString::fromUtf8(id), QString::fromUtf8(name), pid};
}

inline const RunningApp chromium = app("chromium", "Chromium", 400);
inline const RunningApp chrome = app("google-chrome", "Google Chrome", 500);
inline const RunningApp firefox = app("firefox-esr", "Firefox ESR", 300);
inline const RunningApp editor = app("org.gnome.TextEditor", "Text Editor", 600);

// A welcome window over a tracker that samples only when told and asks browsers through GatedFetch.
struct WelcomeFixture : TrackerFixture
{
    WelcomeFixture()
    {
        tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings, nullptr, fetch);
        fake.accessibility.enabled = false;
    }
    ~WelcomeFixture()
    {
        view.reset();
        fetch->open(); // the probe's requests end before the tracker waits for them
    }

    WelcomeView& make()
    {
        view = std::make_unique<WelcomeView>(*tracker, icons, settings, fake.accessibility, loginItem,
                                             [this] { return running; });
        return *view;
    }
    WelcomeView& open()
    {
        make().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return *view;
    }

    std::shared_ptr<GatedFetch> fetch = std::make_shared<GatedFetch>();
    CountingLoginItem loginItem;
    QList<RunningApp> running;
    std::unique_ptr<WelcomeView> view;
};
