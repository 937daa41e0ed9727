// The world high-score service as the game sees it: its three addresses, chosen from one
// base address, and the reading of its answers.
#pragma once

#include <optional>
#include <string>

inline constexpr char kDefaultScoreService[] = "http://localhost:8077";

// The service this run sends to, chosen at start-up; kDefaultScoreService until then.
extern std::string ScoreServiceBase;
// The country typed on the country page; sent with every submission of this run.
extern std::string Country;

struct TScoreAddresses {
    std::string handshake;
    std::string submission; // the encoded record is appended
    std::string table;      // opened in the web browser
};

// The base address: the --score-service option, else the KESTROVA_SCORE_SERVICE
// environment value (null when unset), else the default.
std::string ChooseScoreService(const std::string& option, const char* environment);
TScoreAddresses ScoreAddresses(const std::string& base);

// True when the answer begins with "OK"; a submission answered otherwise was refused.
bool AnswerIsOk(const std::string& answer);
// The service's reason when its answer refuses the record itself, so that sending it again
// cannot help: status 400 and a body "ERROR reason" ("bad name" and the like), shown on the
// failure page as printable text of at most 32 characters. Nothing for any other answer.
std::optional<std::string> RefusalReason(int status, const std::string& body);
// The token of a handshake answer: its fifth "|"-separated field. Nothing when the answer
// does not begin with "OK". A short answer gives an empty or partial token, which the
// service then refuses.
std::optional<std::string> HandshakeToken(const std::string& answer);
