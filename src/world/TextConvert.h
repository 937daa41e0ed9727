// Strict text-to-number conversions for map and table values; independent of the locale.
#pragma once

#include <string>

// A whole token of optional sign and decimal digits that fits in int32; anything else
// raises "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);
// Optional sign, digits with at most one decimal point ("." or ","), optional exponent;
// anything else raises "'<text>' is not a valid floating point value".
float StrToFloat(const std::string& text);
