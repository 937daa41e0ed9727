// One blocking HTTP GET, the score exchange's only use of the network. Implemented on
// libcurl; nothing outside src/platform includes curl.
#pragma once

#include <string>

namespace platform {

struct THttpLimits {
    // A server that accepts and never answers must not hold the frame loop for long.
    long connectMs = 5000;
    long wholeRequestMs = 10000;
    // Nor must one that answers without end fill the memory: a larger answer is a failure.
    size_t maxBodyBytes = 1 << 20;
};

struct THttpResult {
    bool ok = false;   // false on any connection, protocol or HTTP status failure
    int status = 0;    // the answer's HTTP status; 0 when no answer came
    std::string body;  // the answer's body whenever one came, a failure status's too
    std::string error; // what failed, when not ok
};

THttpResult HttpGet(const std::string& url, const THttpLimits& limits = THttpLimits());

} // namespace platform
