// The score exchange as the send and retry pages run it, and the name boxes' typing.
#include "menu/SendScore.h"

#include "gameplay/GameState.h"
#include "menu/MenuGlobals.h"
#include "menu/TextTyping.h"
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
    platform::THttpResult submission{true, 200, "OK", ""};
    std::vector<std::string> requests;

    TScoreExchange Exchange(const TScoreRecord& record) {
        return ExchangeScore(Addresses, record, [this](const std::string& url) {
            requests.push_back(url);
            return requests.size() == 1 ? handshake : submission;
        });
    }
};

} // namespace

TEST(SendScore, OnlyAnAcceptedSubmissionCountsAsSent) {
    TScriptedService service;
    service.handshake = {true, 200, "OK|1|2|600|T0K|", ""};
    EXPECT_EQ(service.Exchange({"AB", 1234, "", "X"}).page, PAGE_MAIN);
    ASSERT_EQ(service.requests.size(), 2u);
    EXPECT_EQ(service.requests[0], Addresses.handshake);
    EXPECT_EQ(service.requests[1], Addresses.submission + EncodeScoreRecord({"AB", 1234, "T0K", "X"}));

    // A refusal of the record itself says why; other failures offer the retry.
    const struct {
        platform::THttpResult submission;
        std::string refusal;
    } failures[] = {{{true, 200, "ERROR token already used", ""}, ""},
                    {{false, 0, "", "timed out"}, ""},
                    {{false, 400, "ERROR bad name", "HTTP 400"}, "bad name"},
                    {{false, 400, "ERROR", "HTTP 400"}, "no reason given"}};
    for (const auto& failure : failures) {
        service.requests.clear();
        service.submission = failure.submission;
        const TScoreExchange outcome = service.Exchange({"AB", 1234, "", "X"});
        EXPECT_EQ(outcome.page, PAGE_CONNECTION_FAILED) << failure.submission.body;
        EXPECT_EQ(outcome.refusal, failure.refusal) << failure.submission.body;
    }
}

TEST(SendScore, AFailedOrRefusedHandshakeSendsNothing) {
    for (const platform::THttpResult& handshake :
         {platform::THttpResult{false, 0, "", "timed out"}, platform::THttpResult{true, 200, "ERROR busy", ""}}) {
        TScriptedService service;
        service.handshake = handshake;
        EXPECT_EQ(service.Exchange({"AB", 1, "", ""}).page, PAGE_CONNECTION_FAILED) << handshake.body;
        EXPECT_EQ(service.requests.size(), 1u) << handshake.body;
    }
    // A short answer still sends, with the partial token; the service then decides.
    TScriptedService service;
    service.handshake = {true, 200, "OK|1|2", ""};
    EXPECT_EQ(service.Exchange({"AB", 1, "", ""}).page, PAGE_MAIN);
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
        EXPECT_EQ(ExchangeScore(addresses, {"O'BRIEN <X>", 4321, "", "NEW ZEALAND"}, httpGet).page,
                  PAGE_MAIN);
        const std::vector<TStoredScore> scores = service.Store().TopScores(10);
        ASSERT_EQ(scores.size(), 1u);
        EXPECT_EQ(scores[0].name, "O'BRIEN <X>");
        EXPECT_EQ(scores[0].country, "NEW ZEALAND");
    }
    const TScoreAddresses gone = ScoreAddresses("http://127.0.0.1:" + std::to_string(port));
    EXPECT_EQ(ExchangeScore(gone, {"AB", 1, "", ""}, httpGet).page, PAGE_CONNECTION_FAILED);
}

TEST(NameTyping, DigitsThenSpaceThenLettersBackspaceOnlyWithTextAndAtMost64) {
    TTempDir dir;
    TKeys keys(dir.Path() + "keys.cfg");
    TKeys* saved = std::exchange(Keys, &keys);
    const auto type = [&](const std::string& down, std::string& text) {
        uint8_t state[256] = {};
        for (const char key : down)
            state[static_cast<uint8_t>(key)] = 0x80;
        keys.Update(state);
        TypeText(text);
    };
    std::string text;
    type("Z 7A0k\b", text);
    EXPECT_EQ(text, "07 AZ") << "lower-case key codes are not letters";
    EXPECT_TRUE(keys.IsPressed(KEY_BACKSPACE)) << "Backspace on an empty box is left latched";
    EXPECT_FALSE(keys.IsPressed('A'));
    keys.ClearPressed(KEY_BACKSPACE);
    text = std::string(63, 'N');
    type("XY", text);
    EXPECT_EQ(text, std::string(63, 'N') + "X");
    EXPECT_FALSE(keys.IsPressed('Y')) << "a key the full box refused is used up all the same";
    Keys = saved;
}
