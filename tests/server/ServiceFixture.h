// The score service running in the test process on a free loopback port, over SQLite in a
// temporary folder or over the shared throwaway PostgreSQL cluster, with a clock the test moves.
#pragma once

#include "ScoreServer.h"
#include "settings/ScoreRecord.h"
#include "support/TestFiles.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

enum class Storage { Sqlite, Postgres };

class TestService {
public:
    TestService(Storage storage, TServiceOptions options = Unlimited());
    ~TestService();

    // No rate limits: the tests that want them set their own.
    static TServiceOptions Unlimited();
    int Port() const { return m_port; }
    // A GET on a fresh connection; status -1 when the request failed.
    struct TAnswer {
        int status = -1;
        std::string body;
        std::string contentType;
    };
    TAnswer Get(const std::string& target) const;
    // A handshake's token, failing the test when the handshake is refused.
    std::string Token() const;
    TAnswer Submit(const TScoreRecord& record) const;
    // Stops and starts the service again over the same storage, keeping the clock.
    void Restart();
    ScoreStore& Store() const { return *m_store; }

    std::atomic<int64_t> now{1700000000};

private:
    void Start();
    void StopServer();

    Storage m_storage;
    TServiceOptions m_options;
    TTempDir m_dir;
    std::unique_ptr<ScoreStore> m_store;
    std::unique_ptr<ScoreServer> m_server;
    std::thread m_thread;
    int m_port = -1;
};

// The shared cluster's address; empty when PostgreSQL cannot run here. A test skips when the
// binaries are missing and fails with PostgresProblem otherwise.
const std::string& PostgresAddress();
bool PostgresMissing();
const std::string& PostgresProblem();
