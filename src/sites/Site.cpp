// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Site.h"

#include <QUrl>

namespace {

using namespace Qt::StringLiterals;

// Hosts later name files (the favicon cache), so anything that could leave a folder or confuse a
// file name is refused even if a parser lets it through.
bool isSafe(const QString& host)
{
    if (host == "."_L1 || host == ".."_L1)
        return false;
    for (const QChar c : host) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u < 0xa0); // NUL included
        if (control || u == u'/' || u == u'\\')
            return false;
    }
    return true;
}

bool isSchemeCharacter(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (first)
        return letter;
    return letter || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

// The part between "//" and the first "/", "?" or "#", when the scheme is http or https. Browsers
// leave characters such as "|" or a bare "%" unescaped in paths and queries; only this part decides.
std::optional<QStringView> authorityOf(QStringView address)
{
    qsizetype colon = 0;
    while (colon < address.size() && isSchemeCharacter(address[colon], colon == 0))
        ++colon;
    if (colon == 0 || colon >= address.size() || address[colon] != u':')
        return std::nullopt;
    const QStringView scheme = address.first(colon);
    if (scheme.compare("http"_L1, Qt::CaseInsensitive) != 0 && scheme.compare("https"_L1, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QStringView rest = address.sliced(colon + 1);
    if (!rest.startsWith("//"_L1))
        return std::nullopt;
    rest = rest.sliced(2);
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != u'/' && rest[end] != u'?' && rest[end] != u'#')
        ++end;
    return rest.first(end);
}

bool isPort(QStringView port)
{
    if (port.size() > 5)
        return false;
    for (const QChar c : port) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return port.isEmpty() || port.toInt() <= 65535;
}

// The host of the authority as the parser should see it: user information and port gone, a
// registered name percent-decoded, and any run of trailing dots shortened to one (the parser refuses
// empty labels; the last dot goes later, after "www." had its chance).
std::optional<QString> hostOf(QStringView authority)
{
    // Browsers read a backslash as a slash there; which side of it the host is on is not worth a guess.
    if (authority.contains(u'\\'))
        return std::nullopt;
    const qsizetype at = authority.lastIndexOf(u'@');
    QStringView hostAndPort = at < 0 ? authority : authority.sliced(at + 1);
    QStringView host;
    QStringView port;
    if (hostAndPort.startsWith(u'[')) {
        const qsizetype close = hostAndPort.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        host = hostAndPort.first(close + 1);
        const QStringView after = hostAndPort.sliced(close + 1);
        if (!after.isEmpty() && !after.startsWith(u':'))
            return std::nullopt;
        port = after.isEmpty() ? after : after.sliced(1);
        if (!isPort(port))
            return std::nullopt;
        return host.toString(); // an IP literal: the parser reads a zone's "%25" itself
    }
    const qsizetype colon = hostAndPort.indexOf(u':');
    host = colon < 0 ? hostAndPort : hostAndPort.first(colon);
    port = colon < 0 ? QStringView() : hostAndPort.sliced(colon + 1);
    if (!isPort(port))
        return std::nullopt;
    QString decoded = host.contains(u'%') ? QUrl::fromPercentEncoding(host.toUtf8()) : host.toString();
    qsizetype dots = 0;
    while (dots < decoded.size() && decoded.at(decoded.size() - 1 - dots) == u'.')
        ++dots;
    if (dots > 1)
        decoded.chop(dots - 1);
    return decoded;
}

} // namespace

std::optional<QString> Site::host(const QString& address)
{
    const std::optional<QStringView> authority = authorityOf(QStringView(address).trimmed());
    if (!authority)
        return std::nullopt;
    const std::optional<QString> candidate = hostOf(*authority);
    if (!candidate || candidate->isEmpty())
        return std::nullopt;
    QUrl url;
    url.setScheme(u"https"_s);
    url.setHost(*candidate, QUrl::DecodedMode);
    if (!url.isValid())
        return std::nullopt;

    // One form for every internationalised host, the ASCII one browsers store in their addresses.
    QString host = url.host(QUrl::EncodeUnicode).toLower();
    if (host.startsWith("www."_L1))
        host.remove(0, 4);
    while (host.endsWith(u'.'))
        host.chop(1);
    if (host.isEmpty() || !isSafe(host))
        return std::nullopt;
    return host;
}

namespace {

// Scripts one label may combine: any one alone, with Latin only the ones Japanese, Chinese and Korean
// names mix with it.
bool scriptsGoTogether(QChar::Script a, QChar::Script b)
{
    if (a == b)
        return true;
    const auto eastAsian = [](QChar::Script script) {
        return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana ||
               script == QChar::Script_Hangul || script == QChar::Script_Bopomofo;
    };
    return (eastAsian(a) || a == QChar::Script_Latin) && (eastAsian(b) || b == QChar::Script_Latin);
}

bool isReadableLabel(const QString& label)
{
    QList<QChar::Script> scripts;
    for (qsizetype i = 0; i < label.size(); ++i) {
        const char32_t code = label.at(i).isHighSurrogate() && i + 1 < label.size()
                                  ? QChar::surrogateToUcs4(label.at(i), label.at(i + 1))
                                  : char32_t(label.at(i).unicode());
        if (code > 0xffff)
            ++i;
        if (code == u'-')
            continue;
        const QChar::Category category = QChar::category(code);
        const bool letterOrDigit = (category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other) ||
                                   category == QChar::Number_DecimalDigit;
        const bool mark = category >= QChar::Mark_NonSpacing && category <= QChar::Mark_Enclosing;
        if (!letterOrDigit && !mark)
            return false;
        const QChar::Script script = QChar::script(code);
        if (script == QChar::Script_Common || script == QChar::Script_Inherited)
            continue;
        for (const QChar::Script seen : std::as_const(scripts))
            if (!scriptsGoTogether(seen, script))
                return false;
        if (!scripts.contains(script))
            scripts.append(script);
    }
    return true;
}

} // namespace

QString Site::displayHost(const QString& host)
{
    if (!host.contains("xn--"_L1, Qt::CaseInsensitive))
        return host;
    // Qt's own list of top-level domains is not the test here: the labels themselves are.
    const QString unicode = QUrl::fromAce(host.toLatin1(), QUrl::IgnoreIDNWhitelist);
    if (unicode.isEmpty() || unicode.contains("xn--"_L1, Qt::CaseInsensitive))
        return host;
    const QStringList labels = unicode.split(u'.');
    for (const QString& label : labels)
        if (label.isEmpty() || !isReadableLabel(label))
            return host;
    return unicode;
}
