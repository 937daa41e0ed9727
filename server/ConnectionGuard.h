// The open connections of the service and the two limits that keep slow or greedy clients
// from holding it: a cap on the connections open from one address, and a time within which
// each whole request, head and body, must have arrived, however slowly its bytes trickle in.
// A connection past either limit is shut down; the HTTP library then closes it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <list>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

class ConnectionGuard {
public:
    struct TConnection;
    using TClock = std::chrono::steady_clock;

    // perAddress 0: no cap.
    ConnectionGuard(std::chrono::milliseconds requestTime, int perAddress);
    ~ConnectionGuard();
    ConnectionGuard(const ConnectionGuard&) = delete;
    ConnectionGuard& operator=(const ConnectionGuard&) = delete;

    // A new connection on `socket` from `address`; `capped` false exempts it from the cap
    // (trusted proxies bring many players over few connections). Its first request's time
    // starts now.
    TConnection* Open(int socket, const std::string& address, bool capped);
    // The request has arrived whole: no time limit while it is answered.
    void RequestRead(TConnection* connection);
    // The answer is sent: the next request on the connection gets its own time from now.
    void Answered(TConnection* connection);
    // The library closed the connection; `connection` is gone afterwards.
    void Close(TConnection* connection);
    // Waits until every request read has been answered, at most `limit`.
    void WaitForAnswers(std::chrono::milliseconds limit);

private:
    void Watch();

    const std::chrono::milliseconds m_requestTime;
    const int m_perAddress;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopping = false;
    std::list<TConnection> m_open;
    std::unordered_map<std::string, int> m_countByAddress;
    int m_answering = 0;
    std::thread m_watcher;
};
