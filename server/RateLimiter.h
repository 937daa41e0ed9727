// Requests per client address per minute, counted in fixed minute windows. The counts live
// in this process: each instance behind a load balancer limits on its own.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

class RateLimiter {
public:
    // perMinute 0: no limit.
    explicit RateLimiter(int perMinute) : m_perMinute(perMinute) {}
    // Counts one request from `client` at `now` (Unix seconds); false beyond the limit.
    bool Admit(const std::string& client, int64_t now);

private:
    const int m_perMinute;
    std::mutex m_mutex;
    int64_t m_minute = 0;
    std::unordered_map<std::string, int> m_counts; // for m_minute only
};
