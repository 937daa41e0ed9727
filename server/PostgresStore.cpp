// PostgreSQL storage with prepared statements only.
#include "PostgresStore.h"

#include <libpq-fe.h>

#include <algorithm>
#include <memory>

namespace {

// Request counts matter for a minute only: unlogged, they cost no wait for the disk, and a
// crash of the database merely forgets them.
constexpr char kSchema[] =
    "SET client_min_messages = warning;"
    "CREATE TABLE IF NOT EXISTS scores ("
    " id BIGSERIAL PRIMARY KEY, name TEXT NOT NULL, score BIGINT NOT NULL,"
    " country TEXT NOT NULL, filed BIGINT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (score DESC, id);"
    "CREATE TABLE IF NOT EXISTS tokens (token TEXT PRIMARY KEY, issued BIGINT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS recent_filings (name TEXT NOT NULL, score BIGINT NOT NULL,"
    " country TEXT NOT NULL, filed BIGINT NOT NULL, PRIMARY KEY (name, score, country));"
    "CREATE UNLOGGED TABLE IF NOT EXISTS request_counts (kind TEXT NOT NULL, client TEXT NOT NULL,"
    " minute BIGINT NOT NULL, count BIGINT NOT NULL, PRIMARY KEY (kind, client, minute));";
// Instances starting together would race on CREATE TABLE IF NOT EXISTS.
constexpr char kLockSchema[] = "SELECT pg_advisory_lock(8077)";
constexpr char kUnlockSchema[] = "SELECT pg_advisory_unlock(8077)";

struct TStatement {
    const char* name;
    const char* sql;
};
// Spending the token, recognising a retry and filing the score is one statement, so two
// instances can never both spend one token or both file one record, and a failure leaves
// nothing done. The upsert on recent_filings waits for a concurrent filing of the same record
// and then finds it.
// Pruning takes its turn through a lock only one instance can hold; the others skip it.
constexpr TStatement kStatements[] = {
    {"add_token", "INSERT INTO tokens (token, issued) VALUES ($1, $2::bigint)"},
    {"spend_and_file",
     "WITH spent AS (DELETE FROM tokens WHERE token = $1 AND issued >= $2::bigint RETURNING 1),"
     " fresh AS (INSERT INTO recent_filings (name, score, country, filed)"
     "  SELECT $3, $4::bigint, $5, $6::bigint FROM spent"
     "  ON CONFLICT (name, score, country) DO UPDATE SET filed = EXCLUDED.filed"
     "  WHERE recent_filings.filed < $2::bigint RETURNING 1),"
     " filed AS (INSERT INTO scores (name, score, country, filed)"
     "  SELECT $3, $4::bigint, $5, $6::bigint FROM fresh RETURNING 1)"
     " SELECT (SELECT count(*) FROM spent), (SELECT count(*) FROM filed)"},
    {"top_scores", "SELECT name, score, country, filed FROM scores ORDER BY score DESC, id LIMIT $1::int"},
    {"count_request",
     "INSERT INTO request_counts (kind, client, minute, count) VALUES ($1, $2, $3::bigint, 1)"
     " ON CONFLICT (kind, client, minute) DO UPDATE SET count = request_counts.count + 1 RETURNING count"},
    {"prune",
     "WITH turn AS (SELECT pg_try_advisory_xact_lock(8078) AS mine),"
     " counts AS (DELETE FROM request_counts WHERE minute < $2::bigint AND (SELECT mine FROM turn)),"
     " filings AS (DELETE FROM recent_filings WHERE filed < $1::bigint AND (SELECT mine FROM turn))"
     " DELETE FROM tokens WHERE issued < $1::bigint AND (SELECT mine FROM turn)"},
};

using TResult = std::unique_ptr<PGresult, decltype(&PQclear)>;

bool Succeeded(const PGresult* result) {
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

void Check(pg_conn* connection, PGresult* result, const char* what) {
    const TResult owned(result, PQclear);
    if (!Succeeded(result)) throw EStoreError(std::string(what) + ": " + PQerrorMessage(connection));
}

int64_t ChangedRows(PGresult* result) {
    return std::stoll(PQcmdTuples(result));
}

} // namespace

// A pooled connection, back in the pool when the lease ends.
class PostgresStore::Lease {
public:
    explicit Lease(PostgresStore& store) : m_store(store) {
        std::unique_lock<std::mutex> lock(store.m_mutex);
        store.m_released.wait(lock, [&] { return !store.m_idle.empty(); });
        connection = store.m_idle.back();
        store.m_idle.pop_back();
    }
    ~Lease() {
        {
            const std::lock_guard<std::mutex> lock(m_store.m_mutex);
            m_store.m_idle.push_back(connection);
        }
        m_store.m_released.notify_one();
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    pg_conn* connection;

private:
    PostgresStore& m_store;
};

PostgresStore::PostgresStore(const std::string& address, int connections) : m_address(address) {
    try {
        for (int i = 0; i < std::max(connections, 1); ++i)
            m_connections.push_back(Connect());
        pg_conn* first = m_connections.front();
        Check(first, PQexec(first, kLockSchema), "locking the schema");
        Check(first, PQexec(first, kSchema), "creating the tables");
        Check(first, PQexec(first, kUnlockSchema), "unlocking the schema");
        for (pg_conn* connection : m_connections)
            Prepare(connection);
    } catch (...) {
        for (pg_conn* connection : m_connections)
            PQfinish(connection);
        throw;
    }
    m_idle = m_connections;
}

PostgresStore::~PostgresStore() {
    for (pg_conn* connection : m_connections)
        PQfinish(connection);
}

pg_conn* PostgresStore::Connect() {
    pg_conn* connection = PQconnectdb(m_address.c_str());
    if (PQstatus(connection) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(connection);
        PQfinish(connection);
        throw EStoreError("cannot connect to PostgreSQL: " + message);
    }
    return connection;
}

void PostgresStore::Prepare(pg_conn* connection) {
    for (const TStatement& statement : kStatements)
        Check(connection, PQprepare(connection, statement.name, statement.sql, 0, nullptr), statement.name);
}

pg_result* PostgresStore::Run(const char* statement, const std::vector<std::string>& values) {
    std::vector<const char*> pointers;
    std::vector<int> lengths;
    for (const std::string& value : values) {
        pointers.push_back(value.c_str());
        lengths.push_back(static_cast<int>(value.size()));
    }
    const Lease lease(*this);
    for (int attempt = 0;; ++attempt) {
        PGresult* result = PQexecPrepared(lease.connection, statement, static_cast<int>(values.size()),
                                          pointers.data(), lengths.data(), nullptr, 0);
        if (Succeeded(result)) return result;
        const std::string message = PQerrorMessage(lease.connection);
        PQclear(result);
        if (attempt > 0 || PQstatus(lease.connection) == CONNECTION_OK)
            throw EStoreError(std::string(statement) + ": " + message);
        // The server restarted or the network dropped: a fresh session needs its statements again.
        PQreset(lease.connection);
        if (PQstatus(lease.connection) != CONNECTION_OK)
            throw EStoreError(std::string("reconnecting: ") + PQerrorMessage(lease.connection));
        Prepare(lease.connection);
    }
}

void PostgresStore::AddToken(const std::string& token, int64_t issued) {
    PQclear(Run("add_token", {token, std::to_string(issued)}));
}

TFiling PostgresStore::SpendTokenAndFile(const std::string& token, int64_t oldestValid, const TStoredScore& score) {
    const TResult result(
        Run("spend_and_file", {token, std::to_string(oldestValid), score.name, std::to_string(score.score),
                               score.country, std::to_string(score.filed)}),
        PQclear);
    if (std::stoll(PQgetvalue(result.get(), 0, 0)) == 0) return TFiling::BadToken;
    return std::stoll(PQgetvalue(result.get(), 0, 1)) == 1 ? TFiling::Filed : TFiling::AlreadyFiled;
}

std::vector<TStoredScore> PostgresStore::TopScores(int limit) {
    const TResult result(Run("top_scores", {std::to_string(limit)}), PQclear);
    std::vector<TStoredScore> scores;
    for (int row = 0; row < PQntuples(result.get()); ++row)
        scores.push_back({PQgetvalue(result.get(), row, 0), std::stoll(PQgetvalue(result.get(), row, 1)),
                          PQgetvalue(result.get(), row, 2), std::stoll(PQgetvalue(result.get(), row, 3))});
    return scores;
}

int64_t PostgresStore::CountRequest(const std::string& kind, const std::string& client, int64_t minute) {
    const TResult result(Run("count_request", {kind, client, std::to_string(minute)}), PQclear);
    return std::stoll(PQgetvalue(result.get(), 0, 0));
}

int64_t PostgresStore::Prune(int64_t oldestValid, int64_t minute) {
    const TResult result(Run("prune", {std::to_string(oldestValid), std::to_string(minute)}), PQclear);
    return ChangedRows(result.get());
}
