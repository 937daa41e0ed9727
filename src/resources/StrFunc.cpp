// Text-line helpers of the model reader: tokens, locale-free numbers, path parts and the
// Yes/No check that lets the player go on past a malformed line.
#include "resources/StrFunc.h"

#include <algorithm>

#include "core/Error.h"
#include "core/NumberText.h"
#include "platform/Platform.h"

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The number readers take a leading '+' as well.
std::string WithoutPlus(const std::string& text) {
    return !text.empty() && text[0] == '+' ? text.substr(1) : text;
}

size_t LastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

} // namespace

std::string Trim(std::string text) {
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    text.erase(last);
    text.erase(0, first);
    return text;
}

std::string NextToken(std::string& rest) {
    // Trimmed and cut in place: a model file has hundreds of thousands of tokens.
    size_t last = rest.size();
    while (last > 0 && IsBlank(rest[last - 1]))
        --last;
    rest.erase(last);
    size_t first = 0;
    while (first < rest.size() && IsBlank(rest[first]))
        ++first;
    size_t start = first, end, next;
    if (first < rest.size() && rest[first] == '"') {
        start = first + 1;
        end = std::min(rest.find('"', start), rest.size());
        next = std::min(end + 1, rest.size());
    } else {
        end = std::find_if(rest.begin() + first, rest.end(), IsBlank) - rest.begin();
        next = end;
    }
    std::string token = Trim(rest.substr(start, end - start));
    rest.erase(0, next);
    std::replace(token.begin(), token.end(), '.', ',');
    return token;
}

std::string TLineTokens::Next() {
    rest_.erase(0, position_);
    position_ = 0;
    return NextToken(rest_);
}

std::string_view TLineTokens::Run() {
    size_t start = position_;
    while (start < rest_.size() && IsBlank(rest_[start]))
        ++start;
    size_t end = start;
    while (end < rest_.size() && !IsBlank(rest_[end]))
        ++end;
    return std::string_view(rest_).substr(start, end - start);
}

int TLineTokens::Int() {
    const std::string_view run = Run();
    int value = 0;
    if (!TextToInteger(run, value)) return ParseInt(Next());
    position_ = run.data() + run.size() - rest_.data();
    return value;
}

float TLineTokens::Float() {
    const std::string_view run = Run();
    float value = 0;
    if (!DottedTextToFloat(run, value)) return ParseFloat(Next());
    position_ = run.data() + run.size() - rest_.data();
    return value;
}

int ParseInt(const std::string& text) {
    int value = 0;
    if (!TextToInteger(WithoutPlus(text), value))
        throw EGameError("'" + text + "' is not a valid integer value");
    return value;
}

float ParseFloat(const std::string& text) {
    float value = 0;
    if (!TextToFloat(WithoutPlus(text), value))
        throw EGameError("'" + text + "' is not a valid floating point value");
    return value;
}

std::string ExtractFileDir(const std::string& path) {
    const size_t separator = LastSeparator(path);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string ExtractFileName(const std::string& path) {
    const size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ExtractFileExt(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

void ContinueOrAbort(const std::string& text) {
    if (!platform::AskYesNo("Warning", text)) throw EUserAbort(text);
}

void Expect(const std::string& actual, const std::string& expected) {
    if (actual == expected) return;
    // What was found may be the rest of a damaged file; the question must stay readable.
    constexpr size_t kMaxQuoted = 80;
    const std::string found = actual.size() <= kMaxQuoted ? actual : actual.substr(0, kMaxQuoted - 3) + "...";
    ContinueOrAbort("Check for \"" + expected + "\". Founded \"" + found + "\". Continue?");
}
