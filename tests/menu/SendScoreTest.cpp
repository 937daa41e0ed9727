// The score exchange as the send and retry pages run it, on scripted answers (against our own
// service: ScoreService.*), and the name boxes' typing.
#include "menu/SendScore.h"

#include "gameplay/GameState.h"
#include "menu/MenuGlobals.h"
#include "menu/TextTyping.h"
#include "settings/KeyControl.h"
#include "support/TestFiles.h"

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
