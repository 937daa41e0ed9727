// The game's side of the score service: its addresses, its answers, and the exchange with
// our own service.
#include "menu/ScoreService.h"

#include "gameplay/GameState.h"
#include "menu/SendScore.h"
#include "platform/HttpClient.h"
#include "server/ServiceFixture.h"
#include "settings/ScoreRecord.h"

#include <gtest/gtest.h>

TEST(ScoreService, AddressesComeFromOneBase) {
    EXPECT_EQ(ChooseScoreService("", nullptr), "http://localhost:8077");
    EXPECT_EQ(ChooseScoreService("", ""), "http://localhost:8077");
    EXPECT_EQ(ChooseScoreService("", "http://env:1"), "http://env:1");
    EXPECT_EQ(ChooseScoreService("http://opt:2", "http://env:1"), "http://opt:2");

    const TScoreAddresses addresses = ScoreAddresses("https://scores.example/kestrova//");
    EXPECT_EQ(addresses.handshake, "https://scores.example/kestrova/cgi/version.pl?version&prg=Kestrova");
    EXPECT_EQ(addresses.submission, "https://scores.example/kestrova/cgi/version.pl?hs&prg=Kestrova&inf=");
    EXPECT_EQ(addresses.table, "https://scores.example/kestrova/cgi/version.pl?prg=Kestro&show&type=0");
}

TEST(ScoreService, ReadsTheTokenFromTheFifthField) {
    EXPECT_EQ(HandshakeToken("OK|a|b|c|T|rest|more"), "T");
    EXPECT_EQ(HandshakeToken("OK|1.0|1700000000|600|0f1e|"), "0f1e");
    EXPECT_EQ(HandshakeToken("OKAY|a|b|c|T"), "T");
    EXPECT_EQ(HandshakeToken("OK|a|b|c"), "") << "a short answer gives an empty token";
    EXPECT_EQ(HandshakeToken("OK"), "");
    EXPECT_FALSE(HandshakeToken("ERROR too many requests"));
    EXPECT_FALSE(HandshakeToken("ok|a|b|c|T|"));
    EXPECT_FALSE(HandshakeToken(""));
    EXPECT_TRUE(AnswerIsOk("OK"));
    EXPECT_FALSE(AnswerIsOk("ERROR bad token"));
    EXPECT_FALSE(AnswerIsOk("O"));
}

// The game's exchange against our own service: the score filed once and shown in the table; a
// spent token refused; no service, no success.
TEST(ScoreService, ExchangeWithOurOwnServiceFilesTheScoreOnce) {
    const auto httpGet = [](const std::string& url) { return platform::HttpGet(url); };
    int port = -1;
    {
        const TestService service(Storage::Sqlite);
        port = service.Port();
        const TScoreAddresses addresses = ScoreAddresses("http://127.0.0.1:" + std::to_string(port) + "/");
        EXPECT_EQ(ExchangeScore(addresses, {"O'BRIEN <X>", 1234, "", "NEW ZEALAND"}, httpGet).page, PAGE_MAIN);
        const std::vector<TStoredScore> scores = service.Store().TopScores(10);
        ASSERT_EQ(scores.size(), 1u);
        EXPECT_EQ(scores[0].name, "O'BRIEN <X>");
        EXPECT_EQ(scores[0].country, "NEW ZEALAND");
        const platform::THttpResult table = platform::HttpGet(addresses.table);
        ASSERT_TRUE(table.ok) << table.error;
        EXPECT_NE(table.body.find("<td class=\"n\">1234</td><td>NEW ZEALAND</td>"), std::string::npos) << table.body;

        // The service refuses a spent token with status 400: a failed request, never a success.
        const std::optional<std::string> token = HandshakeToken(platform::HttpGet(addresses.handshake).body);
        ASSERT_TRUE(token && token->size() == 32);
        const std::string submission = addresses.submission + EncodeScoreRecord({"AB", 1, *token, "X"});
        EXPECT_TRUE(AnswerIsOk(platform::HttpGet(submission).body));
        const platform::THttpResult again = platform::HttpGet(submission);
        EXPECT_FALSE(again.ok);
        EXPECT_EQ(RefusalReason(again.status, again.body), "bad token");
    }
    const TScoreAddresses gone = ScoreAddresses("http://127.0.0.1:" + std::to_string(port));
    EXPECT_EQ(ExchangeScore(gone, {"AB", 1, "", ""}, httpGet).page, PAGE_CONNECTION_FAILED);
}
