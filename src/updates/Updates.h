// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

// Where the latest version is published, and how version texts compare.
namespace Updates {

// The version feed: a JSON object whose "version" member names the latest release.
QUrl feed();
// The download page.
QUrl page();
// This program's version, or none when the build did not record one.
std::optional<QString> current();

// The published version from a feed body, exactly as published; none when the body is not a JSON
// object with a string "version" that is a valid version text.
std::optional<QString> latestVersion(const QByteArray& body);
// Whether version a is later than version b; false when either is not a valid version text.
// Missing trailing parts count as zero, so 1.2 and 1.2.0 are the same version.
bool isNewer(const QString& a, const QString& b);

} // namespace Updates
