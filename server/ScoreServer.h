// The service's requests: the handshake, the submission, the public table and its JSON,
// with the per-client rate limits counted in the store, and the pruning of what has expired.
#pragma once

#include "HttpServer.h"
#include "ScoreStore.h"
#include "ServiceOptions.h"

#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>

inline constexpr char kServiceVersion[] = "1.0";

// Unix seconds; tests inject their own to move time.
using TClock = std::function<int64_t()>;
int64_t SystemSeconds();

class ScoreServer {
public:
    // `log` receives one line per request; null for none.
    ScoreServer(const TServiceOptions& options, ScoreStore& store, TClock clock = SystemSeconds,
                std::FILE* log = stdout);
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Listens and starts serving; returns the port (the chosen one for port 0), -1 on failure.
    int Bind();
    // Serves until Stop; returns once the requests being served are answered.
    void Run();
    // Safe from any thread.
    void Stop();

private:
    THttpAnswer Route(const THttpRequest& request);
    THttpAnswer Handshake(const THttpRequest& request);
    THttpAnswer Submission(const THttpRequest& request);
    THttpAnswer Table();
    THttpAnswer Json(const THttpRequest& request);
    // Counts the request; false beyond `perMinute` (0: no limit).
    bool Admit(const char* kind, int perMinute, const std::string& client, int64_t now);
    void PruneUntilStopped();

    const TServiceOptions m_options;
    ScoreStore& m_store;
    const TClock m_clock;
    HttpServer m_http;
    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
};
