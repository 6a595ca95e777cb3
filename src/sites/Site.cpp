#include "Site.h"

#include <QUrl>

namespace {

// Hosts later name files (the favicon cache), so anything that could leave a folder or confuse a
// file name is refused even if a parser lets it through.
bool isSafe(const QString& host)
{
    if (host == QLatin1String(".") || host == QLatin1String(".."))
        return false;
    for (const QChar c : host) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u < 0xa0); // NUL included
        if (control || u == u'/' || u == u'\\')
            return false;
    }
    return true;
}

} // namespace

std::optional<QString> Site::host(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;

    QString host = url.host(QUrl::FullyDecoded).toLower();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    while (host.endsWith(u'.'))
        host.chop(1);
    if (host.isEmpty() || !isSafe(host))
        return std::nullopt;
    return host;
}
