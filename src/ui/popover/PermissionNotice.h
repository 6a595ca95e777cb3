// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserPermission.h"
#include "Notice.h"
#include "Tracker.h"

#include <optional>

// Tells that the browser in front keeps its pages to itself, and offers the settings that would let it tell.
class PermissionNotice : public Notice
{
    Q_OBJECT
public:
    explicit PermissionNotice(QWidget* parent = nullptr);

    // Shows the notice for the browser, or hides it when there is none.
    void setBlockedBrowser(const std::optional<Tracker::BlockedBrowser>& browser);
    const std::optional<Tracker::BlockedBrowser>& blockedBrowser() const { return m_browser; }

    static QString text(const Tracker::BlockedBrowser& browser);
    static QString buttonTitle(BrowserPermission permission);

signals:
    void settingsRequested(BrowserPermission permission);

private:
    std::optional<Tracker::BlockedBrowser> m_browser;
};
