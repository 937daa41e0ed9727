// The score exchange.
#include "menu/SendScore.h"

#include "gameplay/GameState.h"
#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "menu/MenuScreen.h"
#include "menu/PageTable.h"
#include "platform/Platform.h"
#include "settings/Configure.h"

TScoreExchange ExchangeScore(const TScoreAddresses& addresses, TScoreRecord record, const THttpGetter& get) {
    const platform::THttpResult handshake = get(addresses.handshake);
    if (!handshake.ok) return {PAGE_CONNECTION_FAILED, ""};
    const std::optional<std::string> token = HandshakeToken(handshake.body);
    if (!token) return {PAGE_CONNECTION_FAILED, ""};
    record.token = *token;
    const platform::THttpResult submission = get(addresses.submission + EncodeScoreRecord(record));
    // A refused score must not be reported as sent.
    if (!submission.ok || !AnswerIsOk(submission.body))
        return {PAGE_CONNECTION_FAILED, RefusalReason(submission.status, submission.body).value_or("")};
    return {PAGE_MAIN, ""};
}

void SendScore(TMenu& menu) {
    CurrentMenuPage = PAGE_CONNECTION;
    const TMenuScreen screen = MenuScreen;
    menu.Draw(1, screen);
    platform::SwapBuffers();
    TScoreRecord record;
    record.name = CurrentProfile().Name;
    record.score = CurrentProfile().Score;
    record.country = Country;
    const TScoreExchange outcome =
        ExchangeScore(ScoreAddresses(ScoreServiceBase), record,
                      [](const std::string& url) { return platform::HttpGet(url); });
    CurrentMenuPage = outcome.page;
    PageOf<PAGE_CONNECTION_FAILED>(menu).Show(outcome.refusal);
}
