// The score exchange with the world high-score service: a handshake that gives a token, then
// the submission of the encoded record. It blocks the frame loop, with the "Connection" window
// on screen.
#pragma once

#include <functional>
#include <string>

#include "menu/ScoreService.h"
#include "platform/HttpClient.h"
#include "settings/ScoreRecord.h"

class TMenu;

using THttpGetter = std::function<platform::THttpResult(const std::string& url)>;

struct TScoreExchange {
    int page = 0;        // the main page when the service took the record, else the failure page
    std::string refusal; // why the service refused the record itself; empty for other failures
};

// Both requests through `get`; `record` lacks only the token. Fails with no answer, a refused
// handshake (which sends nothing) or a refused submission.
TScoreExchange ExchangeScore(const TScoreAddresses& addresses, TScoreRecord record, const THttpGetter& get);

// The current profile's score and the country to ScoreServiceBase, drawing the connection page
// first; sets the current page to the outcome and tells the failure page what to say.
void SendScore(TMenu& menu);
