// Addresses and answers of the world high-score service.
#include "menu/ScoreService.h"

namespace {

constexpr char kScript[] = "/cgi/version.pl?";
constexpr char kProgram[] = "Kestrova";
constexpr char kShortProgram[] = "Kestro";
constexpr int kTokenField = 5;

} // namespace

std::string ScoreServiceBase = kDefaultScoreService;
std::string Country;

std::string ChooseScoreService(const std::string& option, const char* environment) {
    if (!option.empty()) return option;
    if (environment != nullptr && *environment != '\0') return environment;
    return kDefaultScoreService;
}

TScoreAddresses ScoreAddresses(const std::string& base) {
    std::string root = base;
    while (!root.empty() && root.back() == '/')
        root.pop_back();
    const std::string script = root + kScript;
    return {script + "version&prg=" + kProgram,
            script + "hs&prg=" + kProgram + "&inf=", script + "prg=" + kShortProgram + "&show&type=0"};
}

bool AnswerIsOk(const std::string& answer) {
    return answer.compare(0, 2, "OK") == 0;
}

std::optional<std::string> RefusalReason(int status, const std::string& body) {
    constexpr char kError[] = "ERROR";
    constexpr size_t kShownLength = 32;
    if (status != 400 || body.compare(0, sizeof kError - 1, kError) != 0) return std::nullopt;
    std::string reason;
    for (size_t i = sizeof kError - 1; i < body.size() && reason.size() < kShownLength; ++i)
        if (body[i] >= ' ' && body[i] <= '~' && !(reason.empty() && body[i] == ' ')) reason += body[i];
    return reason.empty() ? "no reason given" : reason;
}

std::optional<std::string> HandshakeToken(const std::string& answer) {
    if (!AnswerIsOk(answer)) return std::nullopt;
    std::string rest = answer;
    std::string field;
    for (int i = 0; i < kTokenField; ++i) {
        const size_t bar = rest.find('|');
        field = rest.substr(0, bar);
        rest = bar == std::string::npos ? std::string() : rest.substr(bar + 1);
    }
    return field;
}
