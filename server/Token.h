// Handshake tokens: 128 bits from the system's random source, as 32 hex digits.
#pragma once

#include <string>

// Throws std::runtime_error when the random source fails; a guessable token is never made.
std::string NewToken();
