#include "AccessibilityFetch.h"

#include "BrowserProbe.h"
#include "Site.h"

AccessibilityFetch::AccessibilityFetch(const Accessibility& accessibility, FirefoxReader::Ticks ticks)
    : m_reader(accessibility, std::move(ticks))
{
}

bool AccessibilityFetch::isPrivateTitle(const QString& title)
{
    // Chromium's accessible frame name ends " - Chromium (Incognito)", " - Google Chrome (Incognito)";
    // the X window title does not carry it.
    return title.trimmed().endsWith(QLatin1String("(Incognito)"));
}

bool AccessibilityFetch::isPrivateFirefoxTitle(const QString& title)
{
    // "… — Mozilla Firefox Private Browsing" (English; other languages name it in their own words).
    return title.trimmed().endsWith(QLatin1String("Private Browsing"));
}

BrowserFetch::Outcome AccessibilityFetch::fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds) const
{
    const bool chromiumEngine = family == BrowserFamily::chromium || family == BrowserFamily::dia;
    FirefoxReader::WindowFilter skipWindow;
    if (family == BrowserFamily::chromium)
        skipWindow = &AccessibilityFetch::isPrivateTitle;
    else if (family == BrowserFamily::firefox)
        skipWindow = &AccessibilityFetch::isPrivateFirefoxTitle;

    const FirefoxReader::Reading reading = m_reader.read(pid, skipWindow);
    // The host only: a full address may carry what is nobody's business, even in a debug log.
    qCDebug(probeLog, "Front site of %lld: %s (window %d, private %d, page element %d, walk complete %d)", pid,
            qUtf8Printable(Site::host(reading.answer.address.value_or(QString())).value_or(QStringLiteral("none"))),
            reading.hasWindow, reading.skipped, reading.sawWebArea, reading.complete);
    switch (reading.answer.kind) {
    case FirefoxReader::Answer::Kind::denied:
        return Outcome::denied();
    case FirefoxReader::Answer::Kind::failed:
        return Outcome::failed(reading.answer.code);
    case FirefoxReader::Answer::Kind::page:
        break;
    }
    if (reading.skipped)
        return Outcome::answered(std::nullopt); // private windows are never recorded
    // Without renderer accessibility a Chromium window shows no page element at all, whatever it
    // displays; only a walk that looked everywhere may conclude that.
    if (chromiumEngine && reading.hasWindow && reading.complete && !reading.sawWebArea)
        return pagelessForLong(pid) ? Outcome::denied() : Outcome::answered(std::nullopt);
    forgetPageless(pid);
    if (!reading.answer.address)
        return Outcome::answered(std::nullopt);
    return Outcome::answered(Site::host(*reading.answer.address));
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
