// The HTTP side of the service: the handshake, the submission, the public table and its
// JSON, with the limits against abuse, one log line per request and token pruning.
#pragma once

#include "RateLimiter.h"
#include "ScoreStore.h"
#include "ServiceOptions.h"

#include <condition_variable>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

inline constexpr char kServiceVersion[] = "1.0";

// Unix seconds; tests inject their own to move time.
using TClock = std::function<int64_t()>;
int64_t SystemSeconds();

class ScoreServer {
public:
    // `log` receives one line per request; null for none.
    ScoreServer(const TServiceOptions& options, ScoreStore& store, TClock clock = SystemSeconds,
                std::FILE* log = stdout);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Binds the listening socket; returns the port (the chosen one for port 0), -1 on failure.
    int Bind();
    // Serves until Stop; returns once the requests being served are answered.
    void Run();
    // Safe from any thread.
    void Stop();

private:
    class HttpServer;
    void Route(const httplib::Request& request, httplib::Response& response);
    void Handshake(const httplib::Request& request, httplib::Response& response);
    void Submission(const httplib::Request& request, httplib::Response& response);
    void Table(const httplib::Request& request, httplib::Response& response);
    void Json(const httplib::Request& request, httplib::Response& response);
    std::string ClientOf(const httplib::Request& request) const;
    void LogRequest(const httplib::Request& request, const httplib::Response& response);
    void PruneUntilStopped();

    const TServiceOptions m_options;
    ScoreStore& m_store;
    const TClock m_clock;
    std::FILE* const m_log;
    std::mutex m_logMutex;
    RateLimiter m_handshakes;
    RateLimiter m_submissions;
    std::unique_ptr<HttpServer> m_http;
    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
};
