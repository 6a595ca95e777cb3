// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserList.h"

#include "BrowserFamily.h"
#include "BrowserRow.h"
#include "Icons.h"
#include "ScalarOrder.h"

#include <QSet>
#include <QVBoxLayout>
#include <algorithm>

BrowserList::BrowserList(Icons& icons, QWidget* parent) : QWidget(parent), m_icons(icons)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(6);
}

QList<RunningApp> BrowserList::browsers(const QList<RunningApp>& running)
{
    QList<RunningApp> found;
    QSet<QString> seen;
    for (const RunningApp& app : running) {
        // A browser with several windows or processes is listed once: its permission is the same for all.
        if (!BrowserFamily::of(app.desktopId) || seen.contains(app.desktopId))
            continue;
        seen.insert(app.desktopId);
        found.append(app);
    }
    std::stable_sort(found.begin(), found.end(), [](const RunningApp& a, const RunningApp& b) {
        return compareByScalars(a.localizedName, b.localizedName) < 0;
    });
    return found;
}

std::optional<BrowserPermission> BrowserList::permission(const RunningApp& app)
{
    const std::optional<BrowserFamily> family = BrowserFamily::of(app.desktopId);
    if (!family)
        return std::nullopt;
    return family->permission();
}

bool BrowserList::setEntries(const QList<Entry>& entries)
{
    const bool sameApps = entries.size() == m_rows.size() &&
                          std::equal(entries.cbegin(), entries.cend(), m_rows.cbegin(),
                                     [](const Entry& entry, const BrowserRow* row) { return entry.app == row->app(); });
    if (!sameApps) {
        for (BrowserRow* row : std::as_const(m_rows)) {
            // Later, not now: the refresh may come from a click on this very row's button.
            row->hide();
            row->deleteLater();
        }
        m_rows.clear();
        for (const Entry& entry : entries) {
            auto* row = new BrowserRow(entry.app, m_icons.appIcon(entry.app.desktopId), this);
            connect(row, &BrowserRow::allowRequested, this, &BrowserList::allowRequested);
            connect(row, &BrowserRow::settingsRequested, this, &BrowserList::settingsRequested);
            m_layout->addWidget(row);
            m_rows.append(row);
        }
    }
    bool changed = !sameApps;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        changed = changed || m_rows[i]->access() != entries[i].access;
        m_rows[i]->setAccess(entries[i].access);
    }
    return changed;
}
