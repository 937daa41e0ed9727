// The score record of a world high-score submission.
#include "settings/ScoreRecord.h"

#include "settings/SymbolTable.h"

#include <cstring>

namespace {

constexpr char kHead[] = "type=0|name=";
constexpr char kScore[] = "|score=";
constexpr char kKey[] = "|key=X";
constexpr char kToken[] = "|p=";
constexpr char kCountry[] = "|add=";
constexpr char kEnd[] = "|z=";
constexpr size_t kBlock = 5;
// Enough for any 64-bit value; longer digit runs are refused before converting.
constexpr size_t kMaxScoreDigits = 18;

// Splits `text` at the last `marker`: `text` keeps what is before it, the result is what
// follows. Nothing when the marker is missing or what follows holds a "|".
std::optional<std::string> TakeLastField(std::string& text, const char* marker) {
    const size_t at = text.rfind(marker);
    if (at == std::string::npos) return std::nullopt;
    std::string field = text.substr(at + std::strlen(marker));
    if (field.find('|') != std::string::npos) return std::nullopt;
    text.resize(at);
    return field;
}

std::optional<int64_t> ReadScore(const std::string& digits) {
    const bool negative = !digits.empty() && digits[0] == '-';
    const size_t first = negative ? 1 : 0;
    if (digits.size() == first || digits.size() - first > kMaxScoreDigits) return std::nullopt;
    int64_t value = 0;
    for (size_t i = first; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9') return std::nullopt;
        value = value * 10 + (digits[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

std::string ScoreRecordText(const TScoreRecord& record) {
    std::string text = kHead + record.name + kScore + std::to_string(record.score) + kKey + kToken +
                       record.token + kCountry + record.country + kEnd;
    while (text.size() % kBlock != 0)
        text.push_back('0');
    return text;
}

std::string EncodeScoreRecord(const TScoreRecord& record) {
    return EncodeSymbols(ScoreRecordText(record));
}

std::optional<TScoreRecord> ParseScoreRecordText(const std::string& text) {
    if (text.size() % kBlock != 0) return std::nullopt;
    const size_t end = text.rfind(kEnd);
    if (end == std::string::npos) return std::nullopt;
    const size_t fillStart = end + std::strlen(kEnd);
    if (text.size() - fillStart >= kBlock || text.find_first_not_of('0', fillStart) != std::string::npos)
        return std::nullopt;

    std::string rest = text.substr(0, end);
    TScoreRecord record;
    const std::optional<std::string> country = TakeLastField(rest, kCountry);
    const std::optional<std::string> token = country ? TakeLastField(rest, kToken) : std::nullopt;
    if (!token || rest.size() < std::strlen(kKey) ||
        rest.compare(rest.size() - std::strlen(kKey), std::string::npos, kKey) != 0)
        return std::nullopt;
    rest.resize(rest.size() - std::strlen(kKey));
    const std::optional<std::string> scoreText = TakeLastField(rest, kScore);
    const std::optional<int64_t> score = scoreText ? ReadScore(*scoreText) : std::nullopt;
    if (!score || rest.compare(0, std::strlen(kHead), kHead) != 0) return std::nullopt;

    record.name = rest.substr(std::strlen(kHead));
    record.score = *score;
    record.token = *token;
    record.country = *country;
    return record;
}

std::optional<TScoreRecord> DecodeScoreRecord(const std::string& symbols) {
    constexpr size_t kSymbolsPerBlock = 8;
    if (symbols.empty() || symbols.size() % kSymbolsPerBlock != 0) return std::nullopt;
    for (char c : symbols)
        if (std::memchr(kSymbolTable, c, kSymbolCount) == nullptr) return std::nullopt;
    return ParseScoreRecordText(DecodeSymbols(symbols));
}
