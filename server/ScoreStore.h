// Where the service keeps scores and handshake tokens. Everything that matters lives here,
// not in a process, so several service instances can share one PostgreSQL database.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct TStoredScore {
    std::string name; // UTF-8
    int64_t score = 0;
    std::string country; // UTF-8
    int64_t filed = 0;   // Unix seconds
};

// A storage failure; the request fails with a server error and nothing is half-stored.
class EStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScoreStore {
public:
    virtual ~ScoreStore() = default;
    virtual void AddToken(const std::string& token, int64_t issued) = 0;
    // Spends a token issued at or after `oldestValid` and files the score, both or neither.
    // False when there is no such token (unknown, already spent or expired).
    virtual bool SpendTokenAndFile(const std::string& token, int64_t oldestValid,
                                   const TStoredScore& score) = 0;
    // Best first; equal scores in the order they were filed.
    virtual std::vector<TStoredScore> TopScores(int limit) = 0;
    // Removes tokens issued before `oldestValid`; returns how many.
    virtual int64_t PruneTokens(int64_t oldestValid) = 0;
};

// "postgresql://…" or "postgres://…" opens PostgreSQL; anything else is an SQLite file.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& database, int connections);
