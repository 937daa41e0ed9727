// Choosing the store from the --database value.
#include "ScoreStore.h"

#include "PostgresStore.h"
#include "SqliteStore.h"

std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& database, int connections) {
    if (database.rfind("postgresql://", 0) == 0 || database.rfind("postgres://", 0) == 0)
        return std::make_unique<PostgresStore>(database, connections);
    return std::make_unique<SqliteStore>(database);
}
