// SQLite storage with prepared statements only.
#include "SqliteStore.h"

#include <sqlite3.h>

namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS scores ("
    " id INTEGER PRIMARY KEY, name TEXT NOT NULL, score INTEGER NOT NULL,"
    " country TEXT NOT NULL, filed INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (score DESC, id);"
    "CREATE TABLE IF NOT EXISTS tokens (token TEXT PRIMARY KEY, issued INTEGER NOT NULL);";
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
        m_fileScore = Prepare("INSERT INTO scores (name, score, country, filed) VALUES (?1, ?2, ?3, ?4)");
        m_topScores =
            Prepare("SELECT name, score, country, filed FROM scores ORDER BY score DESC, id LIMIT ?1");
        m_pruneTokens = Prepare("DELETE FROM tokens WHERE issued < ?1");
    } catch (...) {
        Close();
        throw;
    }
}

SqliteStore::~SqliteStore() {
    Close();
}

void SqliteStore::Close() {
    for (sqlite3_stmt* statement : {m_addToken, m_spendToken, m_fileScore, m_topScores, m_pruneTokens})
        sqlite3_finalize(statement);
    m_addToken = m_spendToken = m_fileScore = m_topScores = m_pruneTokens = nullptr;
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

bool SqliteStore::SpendTokenAndFile(const std::string& token, int64_t oldestValid,
                                    const TStoredScore& score) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    // IMMEDIATE takes the write lock at once, so another process sharing the file cannot
    // spend the same token between our delete and our insert.
    Execute("BEGIN IMMEDIATE");
    try {
        BindText(m_spendToken, 1, token);
        sqlite3_bind_int64(m_spendToken, 2, oldestValid);
        const bool spent = Step(m_spendToken) == 1;
        if (spent) {
            BindText(m_fileScore, 1, score.name);
            sqlite3_bind_int64(m_fileScore, 2, score.score);
            BindText(m_fileScore, 3, score.country);
            sqlite3_bind_int64(m_fileScore, 4, score.filed);
            Step(m_fileScore);
        }
        Execute("COMMIT");
        return spent;
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

int64_t SqliteStore::PruneTokens(int64_t oldestValid) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    sqlite3_bind_int64(m_pruneTokens, 1, oldestValid);
    return Step(m_pruneTokens);
}
