// Per-address request counting.
#include "RateLimiter.h"

bool RateLimiter::Admit(const std::string& client, int64_t now) {
    if (m_perMinute == 0) return true;
    const int64_t minute = now / 60;
    const std::lock_guard<std::mutex> lock(m_mutex);
    // A new minute forgets every address, so the table never outgrows one minute's clients.
    if (minute != m_minute) {
        m_minute = minute;
        m_counts.clear();
    }
    int& count = m_counts[client];
    if (count >= m_perMinute) return false;
    ++count;
    return true;
}
