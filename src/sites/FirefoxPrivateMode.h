// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Firefox's permanent private mode ("never remember history") titles its windows like ordinary ones, so
// the profile the browser runs with has to tell.
namespace FirefoxPrivateMode {

// Whether the Firefox-family process with this pid browses privately in every window. The profile is the
// folder whose lock file the process holds open; false when none is found. Reads files: call it once per
// process, off the main thread. procRoot stands for /proc in tests.
bool isPermanent(qint64 pid, const QString& procRoot = QStringLiteral("/proc"));

// Whether preference files (prefs.js, then user.js, which wins) switch permanent private browsing on.
bool prefsSayPermanent(const QByteArray& prefs, const QByteArray& userPrefs);

} // namespace FirefoxPrivateMode
