// The command line of kestrova-scores.
#pragma once

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
    size_t maxRequestBytes = 4096; // request target and headers
    int64_t tokenLifetime = 600;   // seconds
    int64_t pruneInterval = 60;    // seconds between token table prunings
    std::string clientHeader;      // e.g. X-Forwarded-For behind a load balancer
};

// Throws std::invalid_argument naming the option that cannot be read.
TServiceOptions ParseServiceOptions(const std::vector<std::string>& args);
extern const char kServiceUsage[];
