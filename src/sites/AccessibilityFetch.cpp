// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibilityFetch.h"

#include "BrowserProbe.h"
#include "FirefoxPrivateMode.h"
#include "PrivateWindowMarkers.h"
#include "Site.h"

#include <algorithm>

using namespace Qt::StringLiterals;

AccessibilityFetch::AccessibilityFetch(const Accessibility& accessibility, PageReader::Ticks ticks,
                                       PermanentPrivate permanentPrivate)
    : m_reader(accessibility, std::move(ticks)),
      m_permanentPrivate(permanentPrivate ? std::move(permanentPrivate) : PermanentPrivate([](qint64 pid) {
          return FirefoxPrivateMode::isPermanent(pid);
      }))
{
}

bool AccessibilityFetch::isPrivateTitle(const QString& title)
{
    // Chromium's accessible frame name is "<page> - Chromium (Incognito)" and the like, in the browser's
    // language; the X window title does not carry it. A title that cannot be read tells nothing: private.
    const QString trimmed = title.trimmed();
    if (trimmed.isEmpty())
        return true;
    const QStringView view(trimmed);
    return std::any_of(PrivateWindowMarkers::chromium().begin(), PrivateWindowMarkers::chromium().end(),
                       [&view](std::u16string_view marker) { return view.contains(QStringView(marker)); });
}

bool AccessibilityFetch::isPrivateFirefoxTitle(const QString& title)
{
    // "<page> — Mozilla Firefox Private Browsing", "<page> — Navigation privée de Mozilla Firefox": the page's
    // title, then the window's, which puts words of the language before or after the brand name.
    const QString trimmed = title.trimmed();
    if (trimmed.isEmpty())
        return true;
    const QStringView view(trimmed);
    return std::any_of(PrivateWindowMarkers::firefox().begin(), PrivateWindowMarkers::firefox().end(),
                       [&view](const PrivateWindowMarkers::FirefoxTitle& marker) {
                           const QStringView before(marker.before);
                           const QStringView after(marker.after);
                           const bool endsRight = after.isEmpty() || view.endsWith(after);
                           const bool beginsRight = before.isEmpty() || view.startsWith(before) ||
                                                    view.contains(QString(u" \u2014 "_s).append(before));
                           return endsRight && beginsRight;
                       });
}

BrowserFetch::Outcome AccessibilityFetch::fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds) const
{
    PageReader::WindowFilter skipWindow;
    if (family == BrowserFamily::chromium) {
        skipWindow = &AccessibilityFetch::isPrivateTitle;
    } else if (family == BrowserFamily::firefox) {
        // Every window of a browser in permanent private mode is private, whatever its title says.
        skipWindow = [this, pid](const QString& title) { return isPrivateFirefoxTitle(title) || alwaysPrivate(pid); };
    }

    const PageReader::Reading reading = m_reader.read(pid, skipWindow);
    // The host only: a full address may carry what is nobody's business, even in a debug log.
    qCDebug(probeLog, "Front site of %lld: %s (window %d, private %d, page element %d, walk complete %d)", pid,
            qUtf8Printable(Site::host(reading.answer.address.value_or(QString())).value_or(QStringLiteral("none"))),
            reading.hasWindow, reading.skipped, reading.sawWebArea, reading.complete);
    switch (reading.answer.kind) {
    case PageReader::Answer::Kind::denied:
        return Outcome::denied();
    case PageReader::Answer::Kind::failed:
        return Outcome::failed(reading.answer.error);
    case PageReader::Answer::Kind::page:
        break;
    }
    if (reading.skipped)
        return Outcome::answered(std::nullopt); // private windows are never recorded
    // Without renderer accessibility a Chromium window shows no page element at all, whatever it
    // displays; only a walk that looked everywhere may conclude that.
    if (family == BrowserFamily::chromium && reading.hasWindow && reading.complete && !reading.sawWebArea)
        return pagelessForLong(pid) ? Outcome::denied() : Outcome::answered(std::nullopt);
    forgetPageless(pid);
    if (!reading.answer.address)
        return Outcome::answered(std::nullopt);
    return Outcome::answered(Site::host(*reading.answer.address));
}

bool AccessibilityFetch::alwaysPrivate(qint64 pid) const
{
    {
        QMutexLocker lock(&m_mutex);
        const auto known = m_alwaysPrivate.constFind(pid);
        if (known != m_alwaysPrivate.constEnd())
            return *known;
    }
    const bool always = m_permanentPrivate(pid); // reads files: not under the lock
    QMutexLocker lock(&m_mutex);
    if (m_alwaysPrivate.size() > 64)
        m_alwaysPrivate.clear(); // processes that have quit
    m_alwaysPrivate.insert(pid, always);
    return always;
}

bool AccessibilityFetch::pagelessForLong(qint64 pid) const
{
    const std::chrono::milliseconds now = m_reader.now();
    QMutexLocker lock(&m_mutex);
    // Entries of browsers that quit while page-less are few; a bound keeps it so.
    if (m_pagelessSince.size() > 64)
        m_pagelessSince.clear();
    const auto since = m_pagelessSince.constFind(pid);
    if (since == m_pagelessSince.constEnd()) {
        m_pagelessSince.insert(pid, now);
        return false;
    }
    return now - *since >= refusalAfter;
}

void AccessibilityFetch::forgetPageless(qint64 pid) const
{
    QMutexLocker lock(&m_mutex);
    m_pagelessSince.remove(pid);
}
