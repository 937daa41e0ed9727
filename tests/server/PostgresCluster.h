// A throwaway PostgreSQL cluster in a temporary folder, on a free loopback port, made with
// the initdb and pg_ctl of Debian's postgresql package and removed again afterwards.
#pragma once

#include <string>

class PostgresCluster {
public:
    // Starts the cluster; Address() stays empty and Reason() says why when it cannot.
    PostgresCluster();
    ~PostgresCluster();
    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

    // "postgresql://…" of the cluster's postgres database.
    const std::string& Address() const { return m_address; }
    const std::string& Reason() const { return m_reason; }
    // True when the binaries are missing: the only reason to skip rather than fail.
    bool Missing() const { return m_missing; }
    // Empties the service's tables between tests.
    void Clear() const;

private:
    int Run(const std::string& command) const;

    std::string m_bin;
    std::string m_dir;
    std::string m_address;
    std::string m_reason;
    bool m_missing = false;
    bool m_asPostgres = false;
};

// A loopback port nobody listens on at the moment of asking.
int FreeLoopbackPort();
