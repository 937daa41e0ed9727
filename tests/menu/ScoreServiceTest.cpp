#include "menu/ScoreService.h"

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

TEST(ScoreService, ExchangeWithOurOwnServiceFilesTheScoreOnce) {
    const TestService service(Storage::Sqlite);
    const TScoreAddresses addresses =
        ScoreAddresses("http://127.0.0.1:" + std::to_string(service.Port()) + "/");
    const platform::THttpResult handshake = platform::HttpGet(addresses.handshake);
    ASSERT_TRUE(handshake.ok) << handshake.error;
    const std::optional<std::string> token = HandshakeToken(handshake.body);
    ASSERT_TRUE(token && token->size() == 32) << handshake.body;

    const std::string submission = addresses.submission + EncodeScoreRecord({"AB", 1234, *token, "X"});
    const platform::THttpResult sent = platform::HttpGet(submission);
    ASSERT_TRUE(sent.ok) << sent.error;
    EXPECT_TRUE(AnswerIsOk(sent.body));
    // The service refuses a spent token with status 400: a failed request, never a success.
    const platform::THttpResult again = platform::HttpGet(submission);
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(RefusalReason(again.status, again.body), "bad token");

    const platform::THttpResult table = platform::HttpGet(addresses.table);
    ASSERT_TRUE(table.ok) << table.error;
    EXPECT_NE(table.body.find("<td>AB</td><td class=\"n\">1234</td><td>X</td>"), std::string::npos)
        << table.body;
}
