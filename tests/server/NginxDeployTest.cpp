// The shipped nginx site in front of two service instances sharing one SQLite file: requests
// pass, the service logs the address nginx saw, and slow clients at nginx hold nobody up.
#include "server/LoopbackClient.h"
#include "server/NginxProcess.h"
#include "server/ServiceProcess.h"
#include "settings/ScoreRecord.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace {

constexpr char kHandshake[] = "/cgi/version.pl?version&prg=Kestrova";

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(NginxDeploy, TheShippedSiteForwardsPlayersAndHoldsOffSlowClients) {
    if (NginxProcess::Missing()) GTEST_SKIP() << "nginx is not installed (Debian package nginx)";
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
    const NginxProcess nginx(ports);
    ASSERT_GT(nginx.Port(), 0) << nginx.Problem();

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
    const std::string logs = dir.Read("first.txt") + dir.Read("second.txt");
    EXPECT_EQ(Count(logs, " 127.0.0.5 GET /cgi/version.pl?"), 8u) << logs;
    EXPECT_GE(Count(dir.Read("first.txt"), " GET "), 1u) << "both instances take requests";
    EXPECT_GE(Count(dir.Read("second.txt"), " GET "), 1u) << "both instances take requests";
    EXPECT_EQ(logs.find("203.0.113.66"), std::string::npos) << logs;

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
