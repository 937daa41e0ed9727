// The score exchange as the send and retry pages run it, and the country page's typing.
#include "menu/SendScore.h"

#include "gameplay/GameState.h"
#include "menu/CountryPage.h"
#include "menu/MenuGlobals.h"
#include "server/ServiceFixture.h"
#include "settings/KeyControl.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const TScoreAddresses Addresses = ScoreAddresses("http://127.0.0.1:9");

// Answers the handshake and the submission with the given results, recording the requests.
struct TScriptedService {
    platform::THttpResult handshake;
    platform::THttpResult submission{true, "OK", ""};
    std::vector<std::string> requests;

    int Exchange(const TScoreRecord& record) {
        return ExchangeScore(Addresses, record, [this](const std::string& url) {
            requests.push_back(url);
            return requests.size() == 1 ? handshake : submission;
        });
    }
};

} // namespace

TEST(SendScore, OnlyAnAcceptedSubmissionCountsAsSent) {
    TScriptedService service;
    service.handshake = {true, "OK|1|2|600|T0K|", ""};
    EXPECT_EQ(service.Exchange({"AB", 1234, "", "X"}), PAGE_MAIN);
    ASSERT_EQ(service.requests.size(), 2u);
    EXPECT_EQ(service.requests[0], Addresses.handshake);
    EXPECT_EQ(service.requests[1], Addresses.submission + EncodeScoreRecord({"AB", 1234, "T0K", "X"}));

    service.requests.clear();
    service.submission = {true, "ERROR token already used", ""};
    EXPECT_EQ(service.Exchange({"AB", 1234, "", "X"}), PAGE_CONNECTION_FAILED)
        << "a refusal is not a success";

    service.requests.clear();
    service.submission = {false, "", "HTTP 400"};
    EXPECT_EQ(service.Exchange({"AB", 1234, "", "X"}), PAGE_CONNECTION_FAILED);
}

TEST(SendScore, AFailedOrRefusedHandshakeSendsNothing) {
    for (const platform::THttpResult& handshake :
         {platform::THttpResult{false, "", "timed out"}, platform::THttpResult{true, "ERROR busy", ""},
          platform::THttpResult{true, "", ""}}) {
        TScriptedService service;
        service.handshake = handshake;
        EXPECT_EQ(service.Exchange({"AB", 1, "", ""}), PAGE_CONNECTION_FAILED) << handshake.body;
        EXPECT_EQ(service.requests.size(), 1u) << handshake.body;
    }
    // A short answer still sends, with the partial token; the service then decides.
    TScriptedService service;
    service.handshake = {true, "OK|1|2", ""};
    EXPECT_EQ(service.Exchange({"AB", 1, "", ""}), PAGE_MAIN);
    ASSERT_EQ(service.requests.size(), 2u);
    EXPECT_EQ(service.requests[1], Addresses.submission + EncodeScoreRecord({"AB", 1, "", ""}));
}

TEST(SendScore, FilesTheScoreWithOurServiceAndFailsWithoutOne) {
    const auto httpGet = [](const std::string& url) { return platform::HttpGet(url); };
    int port = -1;
    {
        const TestService service(Storage::Sqlite);
        port = service.Port();
        const TScoreAddresses addresses = ScoreAddresses("http://127.0.0.1:" + std::to_string(port));
        EXPECT_EQ(ExchangeScore(addresses, {"O'BRIEN <X>", 4321, "", "NEW ZEALAND"}, httpGet), PAGE_MAIN);
        const std::vector<TStoredScore> scores = service.Store().TopScores(10);
        ASSERT_EQ(scores.size(), 1u);
        EXPECT_EQ(scores[0].name, "O'BRIEN <X>");
        EXPECT_EQ(scores[0].score, 4321);
        EXPECT_EQ(scores[0].country, "NEW ZEALAND");
    }
    const TScoreAddresses gone = ScoreAddresses("http://127.0.0.1:" + std::to_string(port));
    EXPECT_EQ(ExchangeScore(gone, {"AB", 1, "", ""}, httpGet), PAGE_CONNECTION_FAILED);
}

TEST(CountryTyping, DigitsThenSpaceThenLettersAndBackspaceOnlyWithText) {
    TTempDir dir;
    TKeys keys(dir.Path() + "keys.cfg");
    TKeys* saved = std::exchange(Keys, &keys);
    uint8_t down[256] = {};
    for (const char key : std::string("Z 7A0k"))
        down[static_cast<uint8_t>(key)] = 0x80;
    down[KEY_BACKSPACE] = 0x80;
    keys.Update(down);
    std::string text;
    TypeCountry(text);
    EXPECT_EQ(text, "07 AZ") << "lower-case key codes are not letters";
    EXPECT_TRUE(keys.IsPressed(KEY_BACKSPACE)) << "Backspace on an empty box is left latched";
    EXPECT_FALSE(keys.IsPressed('A'));
    Keys = saved;
}
