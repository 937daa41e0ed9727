// Validating submissions and turning the game's character set into UTF-8.
#include "SubmissionCheck.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

std::optional<std::string> PrintableToUtf8(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> converter(iconv_open("UTF-8", "WINDOWS-1251"), iconv_close);
    if (converter.get() == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in = text;
    std::string out(text.size() * 3, '\0'); // no Windows-1251 character takes more than 3 UTF-8 bytes
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(converter.get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

TSubmissionCheck CheckSubmission(const TScoreRecord& record) {
    TSubmissionCheck check;
    const std::optional<std::string> name = PrintableToUtf8(record.name);
    const std::optional<std::string> country = PrintableToUtf8(record.country);
    if (record.name.empty() || record.name.size() > kMaxNameLength || !name)
        check.refusal = "ERROR bad name";
    else if (record.country.size() > kMaxCountryLength || !country)
        check.refusal = "ERROR bad country";
    else if (record.score < 0 || record.score > kMaxScore)
        check.refusal = "ERROR bad score";
    else
        check.score = TStoredScore{*name, record.score, *country, 0};
    return check;
}
