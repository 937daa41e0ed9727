// The in-process score service of the tests.
#include "server/ServiceFixture.h"

#include "server/LoopbackClient.h"
#include "server/PostgresCluster.h"

#include <gtest/gtest.h>

namespace {

PostgresCluster& Cluster() {
    static PostgresCluster cluster;
    return cluster;
}

} // namespace

const std::string& PostgresAddress() {
    return Cluster().Address();
}

bool PostgresMissing() {
    return Cluster().Missing();
}

const std::string& PostgresProblem() {
    return Cluster().Reason();
}

TServiceOptions TestService::Unlimited() {
    TServiceOptions options;
    options.host = "127.0.0.1";
    options.port = 0;
    options.handshakesPerMinute = 0;
    options.submissionsPerMinute = 0;
    options.connectionsPerAddress = 0;
    options.threads = 40;
    options.connections = 8;
    return options;
}

TestService::TestService(Storage storage, TServiceOptions options)
    : m_storage(storage), m_options(std::move(options)) {
    m_options.database = storage == Storage::Sqlite ? m_dir.Path() + "scores.db" : PostgresAddress();
    if (storage == Storage::Postgres) Cluster().Clear();
    Start();
}

TestService::~TestService() {
    StopServer();
}

void TestService::Start() {
    m_store = OpenScoreStore(m_options.database, m_options.connections);
    m_server = std::make_unique<ScoreServer>(
        m_options, *m_store, [this] { return now.load(); }, nullptr);
    m_port = m_server->Bind();
    if (m_port <= 0) throw std::runtime_error("the test service cannot bind");
    m_thread = std::thread([this] { m_server->Run(); });
}

void TestService::StopServer() {
    if (!m_server) return;
    m_server->Stop();
    m_thread.join();
    m_server.reset();
    m_store.reset();
}

void TestService::Restart() {
    StopServer();
    Start();
}

TestService::TAnswer TestService::Get(const std::string& target) const {
    const TRawAnswer raw = Exchange(m_port, GetRequest(target));
    TAnswer answer;
    answer.status = raw.status;
    answer.body = raw.body;
    const size_t type = raw.head.find("\r\nContent-Type: ");
    if (type != std::string::npos) answer.contentType = raw.head.substr(type + 16, raw.head.find('\r', type + 2) - type - 16);
    return answer;
}

std::string TestService::Token() const {
    const TAnswer answer = Get("/cgi/version.pl?version&prg=Kestrova");
    EXPECT_EQ(answer.status, 200) << answer.body;
    if (answer.status != 200) return std::string();
    const size_t end = answer.body.rfind('|');
    const size_t start = answer.body.rfind('|', end - 1);
    return answer.body.substr(start + 1, end - start - 1);
}

TestService::TAnswer TestService::Submit(const TScoreRecord& record) const {
    return Get("/cgi/version.pl?hs&prg=Kestrova&inf=" + EncodeScoreRecord(record));
}
