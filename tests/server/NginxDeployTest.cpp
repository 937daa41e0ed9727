// The shipped nginx site in front of two service instances sharing one SQLite file: requests
// pass, the service logs the address nginx saw, and slow clients at nginx hold nobody up.
#include "server/LoopbackClient.h"
#include "server/PostgresCluster.h"
#include "server/ServiceProcess.h"
#include "settings/ScoreRecord.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

namespace {

constexpr char kNginx[] = "/usr/sbin/nginx";

// Debian's nginx on a free loopback port with the shipped site, its listen lines and
// upstream servers rewritten for the test.
class NginxProcess {
public:
    NginxProcess(const TTempDir& dir, const std::vector<int>& instancePorts) {
        std::stringstream site;
        site << std::ifstream(KESTROVA_NGINX_SITE).rdbuf();
        std::string servers;
        for (int instance : instancePorts)
            servers += "    server 127.0.0.1:" + std::to_string(instance) + ";\n";
        const int port = FreeLoopbackPort();
        std::string text = std::regex_replace(site.str(), std::regex(R"((    server 127\.0\.0\.1:\d+;\n)+)"), servers);
        text = std::regex_replace(text, std::regex(R"(    listen \[::\]:80;\n)"), "");
        dir.Write("site.conf", std::regex_replace(text, std::regex("listen 80;"),
                                                  "listen 127.0.0.1:" + std::to_string(port) + ";"));
        // The workers run as an unprivileged user when the test runs as root.
        chmod(dir.Path().c_str(), 0755);
        std::string paths;
        for (const char* temp : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
            paths += std::string(temp) + "_temp_path " + dir.Path() + temp + ";\n";
        dir.Write("nginx.conf", "daemon off;\nworker_processes 1;\npid " + dir.Path() + "nginx.pid;\n"
                                "events { worker_connections 1024; }\nhttp {\naccess_log off;\n" + paths +
                                "include " + dir.Path() + "site.conf;\n}\n");
        m_pid = fork();
        if (m_pid == 0) {
            const std::string log = dir.Path() + "error.log";
            std::freopen(log.c_str(), "w", stderr);
            execl(kNginx, kNginx, "-p", dir.Path().c_str(), "-e", log.c_str(), "-c",
                  (dir.Path() + "nginx.conf").c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int tries = 0; tries < 500 && m_port == 0; ++tries) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                m_pid = -1;
                break;
            }
            const int probe = ConnectFrom("127.0.0.1", port);
            if (probe >= 0) {
                m_port = port;
                close(probe);
            } else {
                usleep(10000);
            }
        }
    }
    ~NginxProcess() {
        if (m_pid <= 0) return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    int Port() const { return m_port; }

private:
    pid_t m_pid = -1;
    int m_port = 0;
};

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(NginxDeploy, TheShippedSiteForwardsPlayersAndHoldsOffSlowClients) {
    if (access(kNginx, X_OK) != 0) GTEST_SKIP() << "nginx is not installed (Debian package nginx)";
    const TTempDir dir;
    std::vector<std::unique_ptr<ServiceProcess>> instances;
    std::vector<int> ports;
    for (const char* name : {"first", "second"}) {
        instances.push_back(std::make_unique<ServiceProcess>(
            std::vector<std::string>{"--database=" + dir.Path() + "scores.db", "--trusted-proxy=127.0.0.1/32"},
            dir.Path() + name + ".txt"));
        ASSERT_GT(instances.back()->Port(), 0);
        ports.push_back(instances.back()->Port());
    }
    const TTempDir nginxDir;
    const NginxProcess nginx(nginxDir, ports);
    ASSERT_GT(nginx.Port(), 0) << nginxDir.Read("error.log");

    // A player at 127.0.0.5 who writes an address of their own into X-Forwarded-For.
    const std::string forged = "X-Forwarded-For: 203.0.113.66\r\n";
    for (int i = 0; i < 4; ++i) {
        const TRawAnswer handshake = Exchange(nginx.Port(), GetRequest(kHandshake, forged), "127.0.0.5");
        ASSERT_EQ(handshake.status, 200) << handshake.head;
        const std::string token = handshake.body.substr(handshake.body.size() - 33, 32);
        const std::string submission =
            "/cgi/version.pl?hs&prg=Kestrova&inf=" + EncodeScoreRecord({"NGINX", 100 + i, token, "LAN"});
        EXPECT_EQ(Exchange(nginx.Port(), GetRequest(submission, forged), "127.0.0.5").body, "OK");
    }
    const std::string first = dir.Read("first.txt"), second = dir.Read("second.txt");
    EXPECT_EQ(Count(first + second, " 127.0.0.5 GET /cgi/version.pl?"), 8u) << first << second;
    EXPECT_TRUE(Count(first, " GET ") > 0 && Count(second, " GET ") > 0) << "both instances take requests";
    EXPECT_EQ((first + second).find("203.0.113.66"), std::string::npos);

    // 100 clients at nginx sending a byte at a time, from addresses of their own.
    std::vector<int> slow;
    for (int i = 0; i < 100; ++i) {
        slow.push_back(ConnectFrom("127.0.2." + std::to_string(1 + i), nginx.Port()));
        send(slow.back(), "GET /", 5, MSG_NOSIGNAL);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Exchange(nginx.Port(), GetRequest(kHandshake), "127.0.0.6", 2000).status, 200) << i;
        for (int sock : slow)
            send(sock, "a", 1, MSG_NOSIGNAL);
    }
    for (int sock : slow)
        close(sock);
}

} // namespace
