// Where the service keeps scores, handshake tokens and request counts. Everything that
// matters lives here, not in a process, so several service instances sharing one PostgreSQL
// database behave as one service.
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

enum class TFiling {
    Filed,
    AlreadyFiled, // the same record was filed within the token lifetime: not stored again
    BadToken,     // unknown, already spent or expired: nothing done
};

class ScoreStore {
public:
    virtual ~ScoreStore() = default;
    virtual void AddToken(const std::string& token, int64_t issued) = 0;
    // Spends a token issued at or after `oldestValid` and files the score, both or neither.
    // A record equal in name, score and country to one filed at or after `oldestValid` spends
    // its token without a second row: that is a retry whose first answer was lost.
    virtual TFiling SpendTokenAndFile(const std::string& token, int64_t oldestValid, const TStoredScore& score) = 0;
    // Best first; equal scores in the order they were filed.
    virtual std::vector<TStoredScore> TopScores(int limit) = 0;
    // Counts one request of `kind` from `client` in `minute` (Unix seconds / 60); returns the
    // minute's count with this one. Every instance on the same database shares the counts.
    virtual int64_t CountRequest(const std::string& kind, const std::string& client, int64_t minute) = 0;
    // Removes tokens issued and filings made before `oldestValid`, and the counts of minutes
    // before `minute`; returns the tokens removed.
    virtual int64_t Prune(int64_t oldestValid, int64_t minute) = 0;
};

// "postgresql://…" or "postgres://…" opens PostgreSQL; anything else is an SQLite file.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& database, int connections);
