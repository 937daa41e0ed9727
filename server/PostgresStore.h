// Scores and tokens in PostgreSQL through libpq, for several service instances sharing one
// database. Each connection of a small pool holds the prepared statements.
#pragma once

#include "ScoreStore.h"

#include <condition_variable>
#include <mutex>

struct pg_conn;
struct pg_result;

class PostgresStore : public ScoreStore {
public:
    PostgresStore(const std::string& address, int connections);
    ~PostgresStore() override;
    PostgresStore(const PostgresStore&) = delete;
    PostgresStore& operator=(const PostgresStore&) = delete;

    void AddToken(const std::string& token, int64_t issued) override;
    TFiling SpendTokenAndFile(const std::string& token, int64_t oldestValid, const TStoredScore& score) override;
    std::vector<TStoredScore> TopScores(int limit) override;
    int64_t CountRequest(const std::string& kind, const std::string& client, int64_t minute) override;
    int64_t Prune(int64_t oldestValid, int64_t minute) override;

private:
    class Lease;
    pg_conn* Connect();
    void Prepare(pg_conn* connection);
    // Runs a prepared statement on a pooled connection, reconnecting once when the
    // connection was lost; the result is the caller's to clear.
    pg_result* Run(const char* statement, const std::vector<std::string>& values);

    std::string m_address;
    std::mutex m_mutex;
    std::condition_variable m_released;
    std::vector<pg_conn*> m_connections;
    std::vector<pg_conn*> m_idle;
};
