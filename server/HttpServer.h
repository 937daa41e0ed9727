// The HTTP side of the service on libmicrohttpd: event-driven, so clients that send slowly
// cost a socket each rather than a thread, with the limits against abuse applied before a
// request reaches the service (size, whole-request time, connections per address), the
// client address found behind trusted proxies, and one log line per answer.
#pragma once

#include "ConnectionGuard.h"
#include "ServiceOptions.h"

#include <condition_variable>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>

struct MHD_Daemon;

struct THttpRequest {
    std::string method;
    std::string target; // path and query, as sent
    std::string path;
    std::map<std::string, std::string> query; // decoded; a name without "=" maps to ""
    std::string client;
};

struct THttpAnswer {
    int status = 200;
    std::string body;
    std::string contentType = "text/plain; charset=utf-8";
    int retryAfter = 0; // seconds for a Retry-After header; 0: none
};

// Answers a whole GET request; an exception answers 500 and is logged.
using THttpHandler = std::function<THttpAnswer(const THttpRequest&)>;

class HttpServer {
public:
    // `log` receives one line per answer and the errors; null for none.
    HttpServer(const TServiceOptions& options, THttpHandler handler, std::FILE* log);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens and starts serving; returns the port (the chosen one for port 0), -1 on failure.
    int Bind();
    // Waits for Stop, then stops taking connections and returns once the requests already
    // read are answered.
    void Run();
    // Safe from any thread.
    void Stop();
    void LogError(const std::string& what);

private:
    class Callbacks;
    struct TConnection;
    void Shut();
    THttpAnswer Handle(const THttpRequest& request);
    void Log(const THttpRequest& request, const THttpAnswer& answer);

    const TServiceOptions m_options;
    const THttpHandler m_handler;
    std::FILE* const m_log;
    std::mutex m_logMutex;
    ConnectionGuard m_guard;
    MHD_Daemon* m_daemon = nullptr;
    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
};
