// Request handling of the score service.
#include "ScoreServer.h"

#include "ScorePages.h"
#include "SubmissionCheck.h"
#include "Token.h"

#include <chrono>
#include <thread>

namespace {

constexpr char kScript[] = "/cgi/version.pl";
constexpr char kProgram[] = "Kestrova";
constexpr char kShortProgram[] = "Kestro";
constexpr int kTableSize = 100;

bool Has(const THttpRequest& request, const char* name) {
    return request.query.count(name) != 0;
}

std::string Value(const THttpRequest& request, const char* name) {
    const auto found = request.query.find(name);
    return found == request.query.end() ? std::string() : found->second;
}

THttpAnswer TooMany() {
    THttpAnswer answer{429, "ERROR too many requests"};
    answer.retryAfter = 60;
    return answer;
}

} // namespace

int64_t SystemSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

ScoreServer::ScoreServer(const TServiceOptions& options, ScoreStore& store, TClock clock, std::FILE* log)
    : m_options(options), m_store(store), m_clock(std::move(clock)),
      m_http(options, [this](const THttpRequest& request) { return Route(request); }, log) {}

int ScoreServer::Bind() {
    return m_http.Bind();
}

void ScoreServer::Run() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        if (m_stopping) return;
    }
    std::thread pruner([this] { PruneUntilStopped(); });
    m_http.Run();
    Stop();
    pruner.join();
}

void ScoreServer::Stop() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    m_http.Stop();
}

void ScoreServer::PruneUntilStopped() {
    std::unique_lock<std::mutex> lock(m_stopMutex);
    while (!m_stopped.wait_for(lock, std::chrono::seconds(m_options.pruneInterval),
                               [this] { return m_stopping; })) {
        lock.unlock();
        try {
            const int64_t now = m_clock();
            m_store.Prune(now - m_options.tokenLifetime + 1, now / 60);
        } catch (const std::exception& e) {
            m_http.LogError(std::string("pruning: ") + e.what());
        }
        lock.lock();
    }
}

bool ScoreServer::Admit(const char* kind, int perMinute, const std::string& client, int64_t now) {
    return perMinute == 0 || m_store.CountRequest(kind, client, now / 60) <= perMinute;
}

THttpAnswer ScoreServer::Route(const THttpRequest& request) {
    if (request.path == "/api/scores") return Json(request);
    if (request.path != kScript) return {404, "ERROR not found"};
    const std::string program = Value(request, "prg");
    if (Has(request, "version") && program == kProgram) return Handshake(request);
    if (Has(request, "hs") && program == kProgram) return Submission(request);
    if (Has(request, "show") && program == kShortProgram) return Table();
    return {400, "ERROR unknown request"};
}

THttpAnswer ScoreServer::Handshake(const THttpRequest& request) {
    const int64_t now = m_clock();
    if (!Admit("handshake", m_options.handshakesPerMinute, request.client, now)) return TooMany();
    const std::string token = NewToken();
    m_store.AddToken(token, now);
    return {200, std::string("OK|") + kServiceVersion + "|" + std::to_string(now) + "|" +
                     std::to_string(m_options.tokenLifetime) + "|" + token + "|"};
}

THttpAnswer ScoreServer::Submission(const THttpRequest& request) {
    const int64_t now = m_clock();
    if (!Admit("submission", m_options.submissionsPerMinute, request.client, now)) return TooMany();
    const std::optional<TScoreRecord> record = DecodeScoreRecord(Value(request, "inf"));
    if (!record) return {400, "ERROR bad record"};
    TSubmissionCheck check = CheckSubmission(*record);
    if (!check.score) return {400, check.refusal};
    check.score->filed = now;
    if (m_store.SpendTokenAndFile(record->token, now - m_options.tokenLifetime + 1, *check.score) ==
        TFiling::BadToken)
        return {400, "ERROR bad token"};
    return {200, "OK"};
}

THttpAnswer ScoreServer::Table() {
    return {200, ScoreTableHtml(m_store.TopScores(kTableSize)), "text/html; charset=utf-8"};
}

THttpAnswer ScoreServer::Json(const THttpRequest& request) {
    int limit = kTableSize;
    if (Has(request, "limit")) {
        const std::string text = Value(request, "limit");
        limit = 0;
        for (char c : text) {
            if (c < '0' || c > '9' || limit > kTableSize) {
                limit = 0;
                break;
            }
            limit = limit * 10 + (c - '0');
        }
        if (limit < 1 || limit > kTableSize)
            return {400, "ERROR limit must be 1 to " + std::to_string(kTableSize)};
    }
    return {200, ScoreTableJson(m_store.TopScores(limit)), "application/json"};
}
