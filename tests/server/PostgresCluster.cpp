// Starting and removing the test cluster.
#include "server/PostgresCluster.h"

#include <arpa/inet.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

std::string NewestPostgresBin() {
    std::string best;
    int bestVersion = -1;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
        const std::string bin = entry.path().string() + "/bin";
        const int version = std::atoi(entry.path().filename().c_str());
        if (version > bestVersion && std::filesystem::exists(bin + "/initdb") &&
            std::filesystem::exists(bin + "/pg_ctl")) {
            best = bin;
            bestVersion = version;
        }
    }
    return best;
}

} // namespace

int FreeLoopbackPort() {
    const int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (sock < 0 || bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no free loopback port");
    close(sock);
    return ntohs(address.sin_port);
}

PostgresCluster::PostgresCluster() {
    m_bin = NewestPostgresBin();
    if (m_bin.empty()) {
        m_missing = true;
        m_reason = "PostgreSQL's initdb and pg_ctl are not installed (Debian package postgresql)";
        return;
    }
    // initdb refuses to run as root: then the cluster belongs to the package's own user.
    m_asPostgres = geteuid() == 0;
    const passwd* owner = m_asPostgres ? getpwnam("postgres") : nullptr;
    if (m_asPostgres && !owner) {
        m_reason = "running as root and there is no postgres user";
        return;
    }
    char pattern[] = "/tmp/kestrova-pg-XXXXXX";
    if (!mkdtemp(pattern)) {
        m_reason = "cannot make a temporary folder";
        return;
    }
    m_dir = pattern;
    if (owner && chown(m_dir.c_str(), owner->pw_uid, owner->pw_gid) != 0) {
        m_reason = "cannot hand the temporary folder to postgres";
        return;
    }
    const int port = FreeLoopbackPort();
    if (Run("initdb -D " + m_dir + "/data -A trust -U postgres -E UTF8 --locale=C --no-sync >" + m_dir +
            "/initdb.log 2>&1") != 0) {
        m_reason = "initdb failed, see " + m_dir + "/initdb.log";
        return;
    }
    // Durability settings off: the tests check behaviour, not the disk.
    if (Run("pg_ctl -D " + m_dir + "/data -l " + m_dir + "/server.log -w -o \"-p " + std::to_string(port) +
            " -k " + m_dir +
            " -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off\" start >/dev/null") !=
        0) {
        m_reason = "pg_ctl start failed, see " + m_dir + "/server.log";
        return;
    }
    m_address = "postgresql://postgres@127.0.0.1:" + std::to_string(port) + "/postgres";
}

PostgresCluster::~PostgresCluster() {
    if (m_dir.empty()) return;
    if (!m_address.empty()) Run("pg_ctl -D " + m_dir + "/data -m fast -w stop >/dev/null");
    std::error_code error;
    std::filesystem::remove_all(m_dir, error);
}

int PostgresCluster::Run(const std::string& command) const {
    const std::string line = m_bin + "/" + command;
    return std::system((m_asPostgres ? "runuser -u postgres -- sh -c '" + line + "'" : line).c_str());
}

void PostgresCluster::Clear() const {
    PGconn* connection = PQconnectdb(m_address.c_str());
    PQclear(PQexec(connection, "TRUNCATE scores, tokens, recent_filings, request_counts"));
    PQfinish(connection);
}
