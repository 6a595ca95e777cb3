// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UpdateChecker.h"
#include "FeedServer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using State = UpdateChecker::State;
using Answer = FeedServer::Answer;

const State failed{State::Kind::failed, {}};
const State upToDate{State::Kind::upToDate, {}};

class UpdateCheckerTest : public ::testing::Test
{
protected:
    std::unique_ptr<UpdateChecker> checker(std::optional<QString> current = QStringLiteral("0.1.0"),
                                           std::chrono::milliseconds timeout = 10s)
    {
        return std::make_unique<UpdateChecker>(server.url(), std::move(current), timeout);
    }

    // Checks and waits for the outcome.
    State outcome(UpdateChecker& checker)
    {
        checker.check();
        EXPECT_EQ(checker.state().kind, State::Kind::checking);
        EXPECT_TRUE(QTest::qWaitFor([&] { return checker.state().kind != State::Kind::checking; }, 30000));
        return checker.state();
    }

    State outcomeOf(const QByteArray& body, int status = 200)
    {
        server.answer = [=](const QByteArray&) { return Answer{status, body, {}}; };
        return outcome(*checker());
    }

    FeedServer server;
};

} // namespace

TEST_F(UpdateCheckerTest, ANewerPublishedVersionIsAvailable)
{
    auto updates = checker();
    QSignalSpy changes(updates.get(), &UpdateChecker::stateChanged);
    server.answer = [](const QByteArray&) { return Answer{200, R"({"version": "0.10"})", {}}; };
    EXPECT_EQ(outcome(*updates), State::available("0.10"));
    EXPECT_EQ(updates->statusText(), "Version 0.10 is available.");
    EXPECT_EQ(changes.size(), 2); // checking, then the outcome
    ASSERT_EQ(server.heads.size(), 1);
    EXPECT_TRUE(server.heads.first().startsWith("GET /version.json HTTP/1.1"));
    EXPECT_EQ(FeedServer::header(server.heads.first(), "User-Agent"), "Horavane/0.1.0");
}

TEST_F(UpdateCheckerTest, TheSameOrAnOlderVersionIsUpToDate)
{
    EXPECT_EQ(outcomeOf(R"({"version": "0.1"})"), upToDate);
    EXPECT_EQ(outcomeOf(R"({"version": "0.0.9"})"), upToDate);
    EXPECT_EQ(outcomeOf(R"({"version": "0.1.0", "released": "2025-03-01", "notes": ["x"]})"), upToDate);
}

TEST_F(UpdateCheckerTest, WithoutAVersionOfItsOwnAnyReleaseIsNewer)
{
    auto updates = checker(std::nullopt);
    EXPECT_EQ(updates->statusText(), "Horavane");
    server.answer = [](const QByteArray&) { return Answer{200, R"({"version": "0.0.1"})", {}}; };
    EXPECT_EQ(outcome(*updates), State::available("0.0.1"));
    EXPECT_EQ(FeedServer::header(server.heads.first(), "User-Agent"), "Horavane/0");
}

struct FailureCase
{
    const char* name;
    Answer answer;
};

class UpdateCheckFails : public UpdateCheckerTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(UpdateCheckFails, Quickly)
{
    server.answer = [](const QByteArray&) { return GetParam().answer; };
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(outcome(*checker(QStringLiteral("0.1.0"), 800ms)), failed);
    EXPECT_LT(clock.elapsed(), 20000); // the time limit holds, well before the wait for an outcome gives up
}

const QByteArray newer = R"({"version": "9.9"})";

INSTANTIATE_TEST_SUITE_P(
    Answers, UpdateCheckFails,
    ::testing::Values(
        FailureCase{"notModified", Answer{304, {}, {}}}, FailureCase{"serverError", Answer{500, newer, {}}},
        FailureCase{"notFound", Answer{404, newer, {}}}, FailureCase{"created", Answer{201, newer, {}}},
        FailureCase{"fivePieces", Answer{200, R"({"version": "1.2.3.4.5"})", {}}},
        FailureCase{"emptyPiece", Answer{200, R"({"version": "1..2"})", {}}},
        FailureCase{"letters", Answer{200, R"({"version": "1.2a"})", {}}},
        FailureCase{"longPiece", Answer{200, R"({"version": "1.1234567"})", {}}},
        FailureCase{"emptyVersion", Answer{200, R"({"version": ""})", {}}},
        FailureCase{"notJson", Answer{200, "<html>maintenance</html>", {}}},
        FailureCase{"deeplyNested", Answer{200, QByteArray(60000, '[') + QByteArray(60000, ']'), {}}},
        FailureCase{"overSixtyFourKiB",
                    Answer{200, R"({"version": "9.9", "pad": ")" + QByteArray(70000, 'x') + "\"}", {}}},
        FailureCase{
            "overSixtyFourKiBUnannounced",
            Answer{
                200, R"({"version": "9.9", "pad": ")" + QByteArray(70000, 'x') + "\"}", {}, Answer::Way::whole, false}},
        FailureCase{"neverAnswers", Answer{200, {}, {}, Answer::Way::silent}},
        FailureCase{"trickles", Answer{200, QByteArray(1000, ' '), {}, Answer::Way::trickle}},
        FailureCase{"redirectLoop", Answer{302, {}, {"Location: /version.json"}}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(UpdateCheckerTest, ABodyJustUnderTheLimitIsRead)
{
    QByteArray body = R"({"version": "9.9", "pad": ")";
    body += QByteArray(UpdateChecker::maxBodyBytes - body.size() - 2, 'x') + "\"}";
    ASSERT_EQ(body.size(), UpdateChecker::maxBodyBytes);
    EXPECT_EQ(outcomeOf(body), State::available("9.9"));
}

TEST_F(UpdateCheckerTest, ARedirectIsFollowed)
{
    server.answer = [](const QByteArray& head) {
        if (head.startsWith("GET /version.json "))
            return Answer{301, {}, {"Location: /moved.json"}};
        return Answer{200, R"({"version": "1.0"})", {}};
    };
    EXPECT_EQ(outcome(*checker()), State::available("1.0"));
}

TEST_F(UpdateCheckerTest, NobodyListening)
{
    QUrl closed = server.url();
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    closed.setPort(probe.serverPort());
    probe.close();
    UpdateChecker updates(closed, QStringLiteral("0.1.0"), 800ms);
    EXPECT_EQ(outcome(updates), failed);
}

TEST_F(UpdateCheckerTest, PressingTwiceStartsOneRequest)
{
    auto updates = checker();
    QSignalSpy changes(updates.get(), &UpdateChecker::stateChanged);
    updates->check();
    EXPECT_FALSE(updates->canCheck());
    updates->check();
    EXPECT_EQ(outcome(*updates), upToDate); // outcome() presses a third time while checking
    EXPECT_EQ(server.heads.size(), 1);
    EXPECT_EQ(changes.size(), 2);
    EXPECT_TRUE(updates->canCheck());
}

TEST_F(UpdateCheckerTest, EveryCheckAsksTheNetworkAndKeepsNoCookies)
{
    server.answer = [](const QByteArray&) {
        return Answer{200,
                      R"({"version": "0.1.0"})",
                      {"Set-Cookie: visitor=42; Max-Age=86400", "Cache-Control: max-age=86400", "ETag: \"v1\""}};
    };
    auto updates = checker();
    EXPECT_EQ(outcome(*updates), upToDate);
    EXPECT_EQ(outcome(*updates), upToDate);
    ASSERT_EQ(server.heads.size(), 2);
    EXPECT_EQ(FeedServer::header(server.heads[1], "Cookie"), "");
    EXPECT_EQ(FeedServer::header(server.heads[1], "If-None-Match"), "");
}

TEST_F(UpdateCheckerTest, AFailureIsNotKeptAfterASuccess)
{
    auto updates = checker();
    server.answer = [](const QByteArray&) { return Answer{500, {}, {}}; };
    EXPECT_EQ(outcome(*updates), failed);
    server.answer = [](const QByteArray&) { return Answer{200, R"({"version": "0.2"})", {}}; };
    EXPECT_EQ(outcome(*updates), State::available("0.2"));
}

TEST_F(UpdateCheckerTest, GoingAwayMidCheckIsHarmless)
{
    server.answer = [](const QByteArray&) { return Answer{200, {}, {}, Answer::Way::silent}; };
    {
        auto updates = checker();
        updates->check();
        QTest::qWait(50);
    }
    QTest::qWait(50);
    SUCCEED();
}
