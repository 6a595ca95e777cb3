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

// A day's use of the sample: a video site, an editor, a code host, a browser, mail, documentation…
const SampleItem sample[] = {
    {ItemKind::site, "www.youtube.com", "www.youtube.com", 92},
    {ItemKind::app, "com.apple.dt.Xcode", "Xcode", 58},
    {ItemKind::site, "github.com", "github.com", 41},
    {ItemKind::app, "net.imput.helium", "Helium", 22},
    {ItemKind::app, "com.apple.mail", "Mail", 19},
    {ItemKind::site, "developer.apple.com", "developer.apple.com", 12},
    {ItemKind::app, "com.apple.finder", "Finder", 9},
    {ItemKind::app, "com.apple.Terminal", "Terminal", 6},
    {ItemKind::site, "en.wikipedia.org", "en.wikipedia.org", 4},
    {ItemKind::app, "com.apple.systempreferences", "System Settings", 2},
};
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
            UsageItem{ItemKey{ItemKind::app, QStringLiteral("com.apple.Terminal")}, QStringLiteral("Terminal"), 0}};
}
