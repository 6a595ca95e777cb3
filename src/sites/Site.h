#pragma once

#include <QString>
#include <optional>

// Reduces the address a browser reports to the host a website is recorded under.
namespace Site {

// The lower-cased host of an http or https address, without a leading "www." and trailing dots; none
// for anything that is not a website or that the strict URL parser rejects. A returned host is safe
// as a file name: never empty, ".", "..", and never with a slash, backslash or control character.
// Pure; callable from any thread.
std::optional<QString> host(const QString& address);

} // namespace Site
