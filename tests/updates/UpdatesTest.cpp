// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Updates.h"
#include "UpdateChecker.h"

#include <gtest/gtest.h>

namespace {

struct NewerCase
{
    const char* name;
    const char* a;
    const char* b;
    bool newer;
};

class IsNewer : public ::testing::TestWithParam<NewerCase>
{
};

TEST_P(IsNewer, ComparesNumbersPieceByPiece)
{
    EXPECT_EQ(Updates::isNewer(QString::fromUtf8(GetParam().a), QString::fromUtf8(GetParam().b)), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsNewer,
    ::testing::Values(NewerCase{"shorterEqual", "1.2", "1.2.0", false}, NewerCase{"longerEqual", "1.2.0", "1.2", false},
                      NewerCase{"numericNotText", "1.10", "1.9", true},
                      NewerCase{"numericNotTextBack", "1.9", "1.10", false}, NewerCase{"majorWins", "2", "1.9.9", true},
                      NewerCase{"patch", "0.1.1", "0.1.0", true}, NewerCase{"fourthPiece", "1.0.0.1", "1", true},
                      NewerCase{"same", "3.4.5", "3.4.5", false}, NewerCase{"againstZero", "0.0.1", "0", true},
                      NewerCase{"zeroAgainstZero", "0.0", "0", false}, NewerCase{"plusSign", "+2", "1.9", true},
                      NewerCase{"minusZero", "-0.1", "0.0", true}, NewerCase{"leadingZeros", "1.02", "1.1", true},
                      NewerCase{"negative", "1.-1", "1.0", false}, NewerCase{"fivePieces", "1.2.3.4.5", "0", false},
                      NewerCase{"emptyPiece", "1..2", "0", false}, NewerCase{"letters", "1.2a", "0", false},
                      NewerCase{"sevenDigits", "1.1234567", "0", false},
                      NewerCase{"sixDigits", "1.123456", "1.123455", true}, NewerCase{"empty", "", "0", false},
                      NewerCase{"trailingDot", "2.", "1", false}, NewerCase{"blank", " 2", "1", false},
                      NewerCase{"signOnly", "+", "0", false}, NewerCase{"nonAsciiDigits", "\u0662", "1", false},
                      NewerCase{"fullwidthDigits", "\uFF12", "1", false}, NewerCase{"invalidOlder", "2", "1.x", false}),
    [](const ::testing::TestParamInfo<NewerCase>& info) { return std::string(info.param.name); });

struct FeedCase
{
    const char* name;
    QByteArray body;
    std::optional<QString> version;
};

class LatestVersion : public ::testing::TestWithParam<FeedCase>
{
};

TEST_P(LatestVersion, ReadsTheVersionMemberExactlyAsPublished)
{
    EXPECT_EQ(Updates::latestVersion(GetParam().body), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LatestVersion,
    ::testing::Values(FeedCase{"plain", R"({"version": "1.4.2"})", QStringLiteral("1.4.2")},
                      FeedCase{"extraMembers", R"({"notes": {"a": [1, 2]}, "version": "2.0", "url": "https://x"})",
                               QStringLiteral("2.0")},
                      FeedCase{"keptAsPublished", R"({"version": "+01.2"})", QStringLiteral("+01.2")},
                      FeedCase{"escapedText", R"({"version": "1\u002e2"})", QStringLiteral("1.2")},
                      FeedCase{"fivePieces", R"({"version": "1.2.3.4.5"})", std::nullopt},
                      FeedCase{"emptyPiece", R"({"version": "1..2"})", std::nullopt},
                      FeedCase{"letters", R"({"version": "1.2a"})", std::nullopt},
                      FeedCase{"tooLongPiece", R"({"version": "1.1234567"})", std::nullopt},
                      FeedCase{"emptyText", R"({"version": ""})", std::nullopt},
                      FeedCase{"number", R"({"version": 1.2})", std::nullopt},
                      FeedCase{"missing", R"({"latest": "1.2"})", std::nullopt},
                      FeedCase{"null", R"({"version": null})", std::nullopt},
                      FeedCase{"array", R"(["1.2"])", std::nullopt}, FeedCase{"string", R"("1.2")", std::nullopt},
                      FeedCase{"empty", "", std::nullopt},
                      FeedCase{"html", "<html><body>Not here</body></html>", std::nullopt},
                      FeedCase{"trailingGarbage", R"({"version": "1.2"} x)", std::nullopt},
                      FeedCase{"deeplyNested", QByteArray(5000, '[') + QByteArray(5000, ']'), std::nullopt}),
    [](const ::testing::TestParamInfo<FeedCase>& info) { return std::string(info.param.name); });

using State = UpdateChecker::State;

TEST(UpdateStatus, TextsForEveryState)
{
    const std::optional<QString> version = QStringLiteral("0.1.0");
    EXPECT_EQ(UpdateChecker::statusText(State{}, version), "Horavane 0.1.0");
    EXPECT_EQ(UpdateChecker::statusText(State{}, std::nullopt), "Horavane");
    EXPECT_EQ(UpdateChecker::statusText(State{State::Kind::checking, {}}, version), QString::fromUtf8("Checking…"));
    EXPECT_EQ(UpdateChecker::statusText(State{State::Kind::upToDate, {}}, version),
              "Horavane 0.1.0 is the latest version.");
    EXPECT_EQ(UpdateChecker::statusText(State{State::Kind::upToDate, {}}, std::nullopt),
              "Horavane is the latest version.");
    EXPECT_EQ(UpdateChecker::statusText(State::available("1.4.2"), version), "Version 1.4.2 is available.");
    EXPECT_EQ(UpdateChecker::statusText(State{State::Kind::failed, {}}, version),
              "Couldn't check. Try again when you're online.");
}

TEST(Updates, TheRunningVersionIsTheProjects)
{
    EXPECT_EQ(Updates::current(), QStringLiteral(PROJECT_VERSION_TEXT));
    EXPECT_EQ(Updates::feed().path(), "/version.json");
    EXPECT_EQ(Updates::feed().scheme(), "https");
    EXPECT_EQ(Updates::page().host(), Updates::feed().host());
    EXPECT_EQ(Updates::page().path(), "/");
}

} // namespace
