// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreviewSample.h"

#include "Period.h"

namespace {

struct SampleItem
{
    ItemKind kind;
    const char* id;
    const char* name;
    double minutes;
};

// A day's use of the sample on a Linux desktop (applications by their desktop-file ids): a video site, an
// editor, a code host, a browser, mail, documentation, the file manager, a terminal, an encyclopedia, settings.
const SampleItem sample[] = {
    {ItemKind::site, "www.youtube.com", "www.youtube.com", 92},
    {ItemKind::app, "org.gnome.Builder", "Builder", 58},
    {ItemKind::site, "github.com", "github.com", 41},
    {ItemKind::app, "chromium", "Chromium", 22},
    {ItemKind::app, "org.gnome.Evolution", "Evolution", 19},
    {ItemKind::site, "developer.mozilla.org", "developer.mozilla.org", 12},
    {ItemKind::app, "org.gnome.Nautilus", "Files", 9},
    {ItemKind::app, "org.gnome.Terminal", "Terminal", 6},
    {ItemKind::site, "en.wikipedia.org", "en.wikipedia.org", 4},
    {ItemKind::app, "org.gnome.Settings", "Settings", 2},
};
const char* const terminalId = "org.gnome.Terminal";
constexpr double sampleMinutes = 265;

// Days after today vary between half and 1.4 times today, repeating every ten days.
double factor(int daysAgo)
{
    return daysAgo == 0 ? 1 : 0.5 + ((7 * daysAgo) % 10) / 10.0;
}

} // namespace

QList<UsageRow> PreviewSample::entries(std::optional<double> todayMinutes, const QDateTime& now,
                                       const QTimeZone& zone)
{
    const double scale = todayMinutes ? *todayMinutes / sampleMinutes : 1;
    QList<UsageRow> rows;
    for (int daysAgo = 0; daysAgo < 30; ++daysAgo) {
        const QString day = Day::string(now.toTimeZone(zone).addDays(-daysAgo), zone);
        for (const SampleItem& item : sample) {
            rows.append(UsageRow{day, ItemKey{item.kind, QString::fromLatin1(item.id)}, QString::fromLatin1(item.name),
                                 item.minutes * 60 * scale * factor(daysAgo)});
        }
    }
    return rows;
}

QList<UsageItem> PreviewSample::exclusions()
{
    return {UsageItem{ItemKey{ItemKind::site, QStringLiteral("en.wikipedia.org")}, QStringLiteral("en.wikipedia.org"), 0},
            UsageItem{ItemKey{ItemKind::app, QString::fromLatin1(terminalId)}, QStringLiteral("Terminal"), 0}};
}

QList<RunningApp> PreviewSample::runningApplications()
{
    return {RunningApp{QStringLiteral("firefox-esr"), QStringLiteral("Firefox ESR"), 4101},
            RunningApp{QStringLiteral("chromium"), QStringLiteral("Chromium"), 4102},
            RunningApp{QStringLiteral("org.gnome.Nautilus"), QStringLiteral("Files"), 4103}};
}
