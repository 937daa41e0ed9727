// Text-line helpers of the model reader: tokens, locale-free numbers, path parts and the
// Yes/No check that lets the player go on past a malformed line.
#pragma once

#include <string>

// Without leading and trailing blanks and control characters.
std::string Trim(const std::string& text);

// Cuts the next token off `rest`: a double-quoted run, or up to the next blank. Every "."
// of the token becomes ",", as the number reader expects.
std::string NextToken(std::string& rest);

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
// Asks "Check for "expected". Founded "actual". Continue?" when the two differ.
void Expect(const std::string& actual, const std::string& expected);
