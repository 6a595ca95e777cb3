// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FirefoxPrivateMode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PrefsCase
{
    const char* name;
    QByteArray prefs;
    QByteArray userPrefs;
    bool permanent;
};

class PrefsTest : public ::testing::TestWithParam<PrefsCase>
{
};

TEST_P(PrefsTest, TellsPermanentPrivateBrowsing)
{
    EXPECT_EQ(FirefoxPrivateMode::prefsSayPermanent(GetParam().prefs, GetParam().userPrefs), GetParam().permanent);
}

const QByteArray on = R"(user_pref("browser.privatebrowsing.autostart", true);)";
const QByteArray off = R"(user_pref("browser.privatebrowsing.autostart", false);)";

INSTANTIATE_TEST_SUITE_P(
    Files, PrefsTest,
    ::testing::Values(
        PrefsCase{"NotSet", R"(user_pref("browser.startup.page", 3);)", {}, false},
        PrefsCase{"OnInPrefs", "// Mozilla User Preferences\n" + on + "\n", {}, true},
        PrefsCase{"SpacedDifferently", R"(user_pref( "browser.privatebrowsing.autostart" ,true ))", {}, true},
        PrefsCase{"UserFileWins", on, off, false}, PrefsCase{"UserFileSwitchesOn", off, on, true},
        PrefsCase{"LastOneWins", on + "\n" + off, {}, false},
        PrefsCase{"OtherPreference", R"(user_pref("browser.privatebrowsing.autostart.x", true);)", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FirefoxPrivateMode, ReadsTheProfileWhoseLockTheProcessHolds)
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("profile"));
    QDir().mkpath(profile);
    QDir().mkpath(dir.filePath(QStringLiteral("proc/42/fd")));
    EXPECT_TRUE(QFile(profile + QStringLiteral("/.parentlock")).open(QIODevice::WriteOnly));
    QFile::link(profile + QStringLiteral("/.parentlock"), dir.filePath(QStringLiteral("proc/42/fd/7")));
    const QString proc = dir.filePath(QStringLiteral("proc"));
    EXPECT_FALSE(FirefoxPrivateMode::isPermanent(42, proc));

    QFile prefs(profile + QStringLiteral("/prefs.js"));
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write(on);
    prefs.close();
    EXPECT_TRUE(FirefoxPrivateMode::isPermanent(42, proc));
    EXPECT_FALSE(FirefoxPrivateMode::isPermanent(43, proc)); // no such process
}

} // namespace
