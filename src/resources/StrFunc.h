// Text-line helpers of the model reader: tokens, locale-free numbers, path parts and the
// Yes/No check that lets the player go on past a malformed line.
#pragma once

#include <string>
#include <string_view>

// Without leading and trailing blanks and control characters.
std::string Trim(std::string text);

// Cuts the next token off `rest`: a double-quoted run, or up to the next blank. Every "."
// of the token becomes ",", as the number reader expects.
std::string NextToken(std::string& rest);

// The tokens of one line, cut as NextToken cuts them. A model's vertex lines are most of its
// bytes, so a plain number is read where it stands; any other token (quoted, "+", a decimal
// comma, no number) goes through NextToken and the number readers below, errors and all.
class TLineTokens {
public:
    explicit TLineTokens(std::string line) : rest_(std::move(line)) {}
    std::string Next();
    int Int();
    float Float();

private:
    // The next run of non-blank characters.
    std::string_view Run();

    std::string rest_;
    size_t position_ = 0; // where the unread part of rest_ begins
};

// Decimal numbers; a number takes "." or "," as its decimal separator whatever the locale.
// Malformed text raises "'text' is not a valid integer value" / "... floating point value".
int ParseInt(const std::string& text);
float ParseFloat(const std::string& text);

// Path parts; both "\" and "/" separate folders. The directory keeps its trailing separator.
std::string ExtractFileDir(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);

// Asks `text`; No raises EUserAbort carrying the text.
void ContinueOrAbort(const std::string& text);
// Asks "Check for "expected". Founded "actual". Continue?" when the two differ; of `actual`
// at most 80 characters are quoted.
void Expect(const std::string& actual, const std::string& expected);
