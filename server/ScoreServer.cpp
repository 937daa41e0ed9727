// Request handling of the score service.
#include "ScoreServer.h"

#include "ScorePages.h"
#include "SubmissionCheck.h"
#include "Token.h"

#include <httplib.h>
#include <sys/socket.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace {

constexpr char kScript[] = "/cgi/version.pl";
constexpr char kProgram[] = "Kestrova";
constexpr char kShortProgram[] = "Kestro";
constexpr int kTableSize = 100;
constexpr char kText[] = "text/plain; charset=utf-8";

void Answer(httplib::Response& response, int status, const std::string& text) {
    response.status = status;
    response.set_content(text, kText);
}

// Keeps a client's bytes from writing terminal controls into the log.
std::string Printable(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return out;
}

size_t RequestSize(const httplib::Request& request) {
    size_t size = request.method.size() + request.target.size() + request.version.size() + 4;
    for (const auto& header : request.headers)
        size += header.first.size() + header.second.size() + 4;
    return size + request.body.size();
}

} // namespace

// cpp-httplib listens with a backlog of 5: a few dozen players connecting at once overflow
// it, and each dropped connection waits a second for its retry.
class ScoreServer::HttpServer : public httplib::Server {
public:
    void DeepenBacklog() { ::listen(svr_sock_, SOMAXCONN); }
};

int64_t SystemSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

ScoreServer::ScoreServer(const TServiceOptions& options, ScoreStore& store, TClock clock, std::FILE* log)
    : m_options(options), m_store(store), m_clock(std::move(clock)), m_log(log),
      m_handshakes(options.handshakesPerMinute), m_submissions(options.submissionsPerMinute),
      m_http(std::make_unique<HttpServer>()) {
    const int threads = options.threads;
    m_http->new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
    m_http->set_payload_max_length(options.maxRequestBytes);
    // Its default adds SO_REUSEPORT, which lets a second instance take the same port unnoticed
    // and share the players with the first: a busy port must make the start fail instead.
    m_http->set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    m_http->set_keep_alive_timeout(2);
    m_http->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        if (RequestSize(request) <= m_options.maxRequestBytes)
            return httplib::Server::HandlerResponse::Unhandled;
        Answer(response, 413, "ERROR request too large");
        return httplib::Server::HandlerResponse::Handled;
    });
    m_http->Get(kScript, [this](const httplib::Request& request, httplib::Response& response) {
        Route(request, response);
    });
    m_http->Get("/api/scores", [this](const httplib::Request& request, httplib::Response& response) {
        Json(request, response);
    });
    m_http->set_exception_handler(
        [this](const httplib::Request&, httplib::Response& response, std::exception_ptr error) {
            std::string what = "unknown error";
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                what = e.what();
            } catch (...) {
            }
            if (m_log) {
                const std::lock_guard<std::mutex> lock(m_logMutex);
                std::fprintf(m_log, "error: %s\n", what.c_str());
            }
            Answer(response, 500, "ERROR server failure");
        });
    m_http->set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        LogRequest(request, response);
    });
}

ScoreServer::~ScoreServer() = default;

int ScoreServer::Bind() {
    const int port = m_options.port == 0
                         ? m_http->bind_to_any_port(m_options.host)
                         : (m_http->bind_to_port(m_options.host, m_options.port) ? m_options.port : -1);
    if (port > 0) m_http->DeepenBacklog();
    return port;
}

void ScoreServer::Run() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        if (m_stopping) return;
    }
    std::thread pruner([this] { PruneUntilStopped(); });
    m_http->listen_after_bind();
    Stop();
    pruner.join();
}

void ScoreServer::Stop() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    m_http->stop();
}

void ScoreServer::PruneUntilStopped() {
    std::unique_lock<std::mutex> lock(m_stopMutex);
    while (!m_stopped.wait_for(lock, std::chrono::seconds(m_options.pruneInterval),
                               [this] { return m_stopping; })) {
        lock.unlock();
        try {
            m_store.PruneTokens(m_clock() - m_options.tokenLifetime + 1);
        } catch (const std::exception& e) {
            const std::lock_guard<std::mutex> logLock(m_logMutex);
            if (m_log) std::fprintf(m_log, "error: pruning tokens: %s\n", e.what());
        }
        lock.lock();
    }
}

std::string ScoreServer::ClientOf(const httplib::Request& request) const {
    if (!m_options.clientHeader.empty() && request.has_header(m_options.clientHeader)) {
        // A proxy appends the address it saw; the first entry is the original client.
        const std::string forwarded = request.get_header_value(m_options.clientHeader);
        const size_t first = forwarded.find_first_not_of(' ');
        if (first != std::string::npos) {
            const size_t end = forwarded.find_first_of(", ", first);
            return forwarded.substr(first, end == std::string::npos ? std::string::npos : end - first);
        }
    }
    return request.remote_addr;
}

void ScoreServer::Route(const httplib::Request& request, httplib::Response& response) {
    const std::string program = request.get_param_value("prg");
    if (request.has_param("version") && program == kProgram)
        Handshake(request, response);
    else if (request.has_param("hs") && program == kProgram)
        Submission(request, response);
    else if (request.has_param("show") && program == kShortProgram)
        Table(request, response);
    else
        Answer(response, 400, "ERROR unknown request");
}

void ScoreServer::Handshake(const httplib::Request& request, httplib::Response& response) {
    const int64_t now = m_clock();
    if (!m_handshakes.Admit(ClientOf(request), now)) {
        response.set_header("Retry-After", "60");
        Answer(response, 429, "ERROR too many requests");
        return;
    }
    const std::string token = NewToken();
    m_store.AddToken(token, now);
    Answer(response, 200,
           std::string("OK|") + kServiceVersion + "|" + std::to_string(now) + "|" +
               std::to_string(m_options.tokenLifetime) + "|" + token + "|");
}

void ScoreServer::Submission(const httplib::Request& request, httplib::Response& response) {
    const int64_t now = m_clock();
    if (!m_submissions.Admit(ClientOf(request), now)) {
        response.set_header("Retry-After", "60");
        Answer(response, 429, "ERROR too many requests");
        return;
    }
    const std::optional<TScoreRecord> record = DecodeScoreRecord(request.get_param_value("inf"));
    if (!record) return Answer(response, 400, "ERROR bad record");
    TSubmissionCheck check = CheckSubmission(*record);
    if (!check.score) return Answer(response, 400, check.refusal);
    check.score->filed = now;
    if (!m_store.SpendTokenAndFile(record->token, now - m_options.tokenLifetime + 1, *check.score))
        return Answer(response, 400, "ERROR bad token");
    Answer(response, 200, "OK");
}

void ScoreServer::Table(const httplib::Request&, httplib::Response& response) {
    response.set_content(ScoreTableHtml(m_store.TopScores(kTableSize)), "text/html; charset=utf-8");
}

void ScoreServer::Json(const httplib::Request& request, httplib::Response& response) {
    int limit = kTableSize;
    if (request.has_param("limit")) {
        const std::string text = request.get_param_value("limit");
        limit = 0;
        for (char c : text) {
            if (c < '0' || c > '9' || limit > kTableSize) {
                limit = 0;
                break;
            }
            limit = limit * 10 + (c - '0');
        }
        if (limit < 1 || limit > kTableSize)
            return Answer(response, 400, "ERROR limit must be 1 to " + std::to_string(kTableSize));
    }
    response.set_content(ScoreTableJson(m_store.TopScores(limit)), "application/json");
}

void ScoreServer::LogRequest(const httplib::Request& request, const httplib::Response& response) {
    if (!m_log) return;
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &parts);
    const std::lock_guard<std::mutex> lock(m_logMutex);
    std::fprintf(m_log, "%s %s %s %s %d %zu\n", stamp, Printable(ClientOf(request)).c_str(),
                 Printable(request.method).c_str(), Printable(request.target).c_str(), response.status,
                 response.body.size());
    std::fflush(m_log);
}
