// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Reduces the address a browser reports to the host a website is recorded under.
namespace Site {

// The lower-cased host of an http or https address, without a leading "www." and trailing dots, with
// internationalised names in their ASCII ("xn--") form, the one browsers store; none for anything that is
// not a website or whose host the URL parser rejects. Only the part between "//" and the path decides,
// so characters browsers leave unescaped in paths and queries do not matter. A returned host is safe
// as a file name: never empty, ".", "..", and never with a slash, backslash or control character.
// Pure; callable from any thread.
std::optional<QString> host(const QString& address);

// The host as people read it: "xn--" labels in their own letters. A name stays in its ASCII form when
// the decoding fails, when a label mixes scripts (the way a look-alike of a familiar name is built), or
// when a character is neither a letter, a digit, a mark nor a hyphen. Only for showing; the ASCII
// form stays the site's id. Pure; callable from any thread.
QString displayHost(const QString& host);

} // namespace Site
