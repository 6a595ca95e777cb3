// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowApplications.h"

namespace {
// The cap only guards a long session against unbounded growth.
constexpr qsizetype mostDescribed = 256;
} // namespace

std::optional<RunningApp> WindowApplications::application(const QString& desktopEntry, const QString& appId, qint64 pid)
{
    const QString id = desktopEntry.isEmpty() ? appId : desktopEntry;
    if (id.isEmpty() && pid <= 0)
        return std::nullopt;
    const QString key = id + u'\n' + QString::number(pid);
    const auto cached = m_described.constFind(key);
    if (cached != m_described.cend())
        return *cached;
    if (m_described.size() >= mostDescribed)
        m_described.clear();
    return *m_described.insert(key, m_apps.describe(id, pid));
}
