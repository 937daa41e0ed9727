// The command line of kestrova-scores.
#pragma once

#include "ClientAddress.h"

#include <cstdint>
#include <string>
#include <vector>

struct TServiceOptions {
    std::string host = "0.0.0.0";
    int port = 8077; // 0: any free port, printed at start
    std::string database = "kestrova-scores.db";
    int threads = 32;
    int connections = 8;          // PostgreSQL pool size
    int handshakesPerMinute = 30; // per client address; 0: no limit
    int submissionsPerMinute = 10;
    size_t maxRequestBytes = 4096; // request line, headers and body
    int64_t tokenLifetime = 600;   // seconds
    int64_t pruneInterval = 60;    // seconds between prunings of what has expired
    int requestTimeout = 10;       // seconds for a whole request to arrive
    int connectionsPerAddress = 16; // open at once; 0: no cap
    std::vector<TAddressRange> trustedProxies; // believed about X-Forwarded-For
    bool help = false;
};

// Throws std::invalid_argument naming the option that cannot be read.
TServiceOptions ParseServiceOptions(const std::vector<std::string>& args);
extern const char kServiceUsage[];
