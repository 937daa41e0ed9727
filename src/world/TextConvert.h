// Strict text-to-number conversions for map and table values; independent of the locale.
#pragma once

#include <string>

// The non-raising forms: false (and `value` untouched) when the text does not convert.
bool TryStrToInt(const std::string& text, int& value);
bool TryStrToFloat(const std::string& text, float& value);

// A whole token of optional sign and decimal digits that fits in int32; anything else
// raises "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);
// Optional sign, digits with at most one decimal point ("." or ","), optional exponent;
// anything else raises "'<text>' is not a valid floating point value".
float StrToFloat(const std::string& text);
