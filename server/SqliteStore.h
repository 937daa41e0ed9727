// Scores and tokens in one SQLite file (write-ahead log), the default for a single instance.
#pragma once

#include "ScoreStore.h"

#include <mutex>

struct sqlite3;
struct sqlite3_stmt;

class SqliteStore : public ScoreStore {
public:
    explicit SqliteStore(const std::string& path);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    void AddToken(const std::string& token, int64_t issued) override;
    TFiling SpendTokenAndFile(const std::string& token, int64_t oldestValid, const TStoredScore& score) override;
    std::vector<TStoredScore> TopScores(int limit) override;
    int64_t CountRequest(const std::string& kind, const std::string& client, int64_t minute) override;
    int64_t Prune(int64_t oldestValid, int64_t minute) override;

private:
    void Close();
    void Execute(const char* sql);
    sqlite3_stmt* Prepare(const char* sql);
    // Runs a prepared statement that returns no rows; returns the changed row count.
    int64_t Step(sqlite3_stmt* statement);
    [[noreturn]] void Fail(const char* what);

    // One connection: SQLite serialises writers anyway, and the mutex keeps the prepared
    // statements to one thread at a time.
    std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_addToken = nullptr;
    sqlite3_stmt* m_spendToken = nullptr;
    sqlite3_stmt* m_noteFiling = nullptr;
    sqlite3_stmt* m_fileScore = nullptr;
    sqlite3_stmt* m_topScores = nullptr;
    sqlite3_stmt* m_countRequest = nullptr;
    sqlite3_stmt* m_pruneTokens = nullptr;
    sqlite3_stmt* m_pruneFilings = nullptr;
    sqlite3_stmt* m_pruneCounts = nullptr;
};
