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

std::string Trim(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string NextToken(std::string& rest) {
    rest = Trim(rest);
    std::string token;
    if (!rest.empty() && rest[0] == '"') {
        const size_t close = rest.find('"', 1);
        token = rest.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        rest = close == std::string::npos ? std::string() : rest.substr(close + 1);
    } else {
        const size_t end = std::find_if(rest.begin(), rest.end(), IsBlank) - rest.begin();
        token = rest.substr(0, end);
        rest = rest.substr(end);
    }
    token = Trim(token);
    std::replace(token.begin(), token.end(), '.', ',');
    return token;
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
    if (actual != expected)
        ContinueOrAbort("Check for \"" + expected + "\". Founded \"" + actual + "\". Continue?");
}
