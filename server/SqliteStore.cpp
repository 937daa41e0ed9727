// SQLite storage with prepared statements only.
#include "SqliteStore.h"

#include <sqlite3.h>

namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS scores ("
    " id INTEGER PRIMARY KEY, name TEXT NOT NULL, score INTEGER NOT NULL,"
    " country TEXT NOT NULL, filed INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (score DESC, id);"
    "CREATE TABLE IF NOT EXISTS tokens (token TEXT PRIMARY KEY, issued INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS recent_filings (name TEXT NOT NULL, score INTEGER NOT NULL,"
    " country TEXT NOT NULL, filed INTEGER NOT NULL, PRIMARY KEY (name, score, country));"
    "CREATE TABLE IF NOT EXISTS request_counts (kind TEXT NOT NULL, client TEXT NOT NULL,"
    " minute INTEGER NOT NULL, count INTEGER NOT NULL, PRIMARY KEY (kind, client, minute));";
constexpr int kBusyTimeoutMs = 5000;

// Resets a statement whatever way the caller leaves.
struct TResetGuard {
    sqlite3_stmt* statement;
    ~TResetGuard() {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
};

void BindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Parameters 1-4: name, score, country, filed.
void BindScore(sqlite3_stmt* statement, const TStoredScore& score) {
    BindText(statement, 1, score.name);
    sqlite3_bind_int64(statement, 2, score.score);
    BindText(statement, 3, score.country);
    sqlite3_bind_int64(statement, 4, score.filed);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(statement, column))
                : std::string();
}

} // namespace

SqliteStore::SqliteStore(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw EStoreError("cannot open " + path + ": " + message);
    }
    try {
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        Execute("PRAGMA journal_mode=WAL");
        // With the write-ahead log a crash of the process loses nothing committed; only a
        // power cut can lose the last commits, and the file stays sound either way.
        Execute("PRAGMA synchronous=NORMAL");
        Execute(kSchema);
        m_addToken = Prepare("INSERT INTO tokens (token, issued) VALUES (?1, ?2)");
        m_spendToken = Prepare("DELETE FROM tokens WHERE token = ?1 AND issued >= ?2");
        // Changes no row when the same record was filed at or after ?5.
        m_noteFiling = Prepare("INSERT INTO recent_filings (name, score, country, filed) VALUES (?1, ?2, ?3, ?4)"
                               " ON CONFLICT (name, score, country) DO UPDATE SET filed = excluded.filed"
                               " WHERE recent_filings.filed < ?5");
        m_fileScore = Prepare("INSERT INTO scores (name, score, country, filed) VALUES (?1, ?2, ?3, ?4)");
        m_topScores =
            Prepare("SELECT name, score, country, filed FROM scores ORDER BY score DESC, id LIMIT ?1");
        m_countRequest = Prepare("INSERT INTO request_counts (kind, client, minute, count) VALUES (?1, ?2, ?3, 1)"
                                 " ON CONFLICT (kind, client, minute) DO UPDATE SET count = count + 1"
                                 " RETURNING count");
        m_pruneTokens = Prepare("DELETE FROM tokens WHERE issued < ?1");
        m_pruneFilings = Prepare("DELETE FROM recent_filings WHERE filed < ?1");
        m_pruneCounts = Prepare("DELETE FROM request_counts WHERE minute < ?1");
    } catch (...) {
        Close();
        throw;
    }
}

SqliteStore::~SqliteStore() {
    Close();
}

void SqliteStore::Close() {
    for (sqlite3_stmt** statement : {&m_addToken, &m_spendToken, &m_noteFiling, &m_fileScore, &m_topScores,
                                     &m_countRequest, &m_pruneTokens, &m_pruneFilings, &m_pruneCounts}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    sqlite3_close(m_db);
    m_db = nullptr;
}

void SqliteStore::Fail(const char* what) {
    throw EStoreError(std::string(what) + ": " + sqlite3_errmsg(m_db));
}

void SqliteStore::Execute(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
}

sqlite3_stmt* SqliteStore::Prepare(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
        Fail(sql);
    return statement;
}

int64_t SqliteStore::Step(sqlite3_stmt* statement) {
    const TResetGuard reset{statement};
    if (sqlite3_step(statement) != SQLITE_DONE) Fail(sqlite3_sql(statement));
    return sqlite3_changes(m_db);
}

void SqliteStore::AddToken(const std::string& token, int64_t issued) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    BindText(m_addToken, 1, token);
    sqlite3_bind_int64(m_addToken, 2, issued);
    Step(m_addToken);
}

TFiling SqliteStore::SpendTokenAndFile(const std::string& token, int64_t oldestValid, const TStoredScore& score) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    // IMMEDIATE takes the write lock at once, so another process sharing the file cannot
    // spend the same token or file the same record between our steps.
    Execute("BEGIN IMMEDIATE");
    try {
        BindText(m_spendToken, 1, token);
        sqlite3_bind_int64(m_spendToken, 2, oldestValid);
        TFiling filing = TFiling::BadToken;
        if (Step(m_spendToken) == 1) {
            BindScore(m_noteFiling, score);
            sqlite3_bind_int64(m_noteFiling, 5, oldestValid);
            filing = Step(m_noteFiling) == 1 ? TFiling::Filed : TFiling::AlreadyFiled;
            if (filing == TFiling::Filed) {
                BindScore(m_fileScore, score);
                Step(m_fileScore);
            }
        }
        Execute("COMMIT");
        return filing;
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::vector<TStoredScore> SqliteStore::TopScores(int limit) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const TResetGuard reset{m_topScores};
    sqlite3_bind_int(m_topScores, 1, limit);
    std::vector<TStoredScore> scores;
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(m_topScores)) == SQLITE_ROW)
        scores.push_back({ColumnText(m_topScores, 0), sqlite3_column_int64(m_topScores, 1),
                          ColumnText(m_topScores, 2), sqlite3_column_int64(m_topScores, 3)});
    if (status != SQLITE_DONE) Fail("reading the scores");
    return scores;
}

int64_t SqliteStore::CountRequest(const std::string& kind, const std::string& client, int64_t minute) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const TResetGuard reset{m_countRequest};
    BindText(m_countRequest, 1, kind);
    BindText(m_countRequest, 2, client);
    sqlite3_bind_int64(m_countRequest, 3, minute);
    if (sqlite3_step(m_countRequest) != SQLITE_ROW) Fail("counting a request");
    const int64_t count = sqlite3_column_int64(m_countRequest, 0);
    // The statement's write ends when it has stepped to its end.
    if (sqlite3_step(m_countRequest) != SQLITE_DONE) Fail("counting a request");
    return count;
}

int64_t SqliteStore::Prune(int64_t oldestValid, int64_t minute) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    sqlite3_bind_int64(m_pruneFilings, 1, oldestValid);
    Step(m_pruneFilings);
    sqlite3_bind_int64(m_pruneCounts, 1, minute);
    Step(m_pruneCounts);
    sqlite3_bind_int64(m_pruneTokens, 1, oldestValid);
    return Step(m_pruneTokens);
}
