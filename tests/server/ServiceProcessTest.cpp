// The kestrova-scores executable: start-up line, a log line per request, and a clean stop on
// SIGTERM and SIGINT that keeps every answered submission.
#include "server/LoopbackClient.h"
#include "server/ServiceFixture.h"
#include "server/ServiceProcess.h"
#include "support/Shell.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

namespace {

std::string Get(int port, const std::string& target) {
    const TRawAnswer answer = Exchange(port, GetRequest(target));
    return answer.status > 0 ? answer.body : "no answer";
}

TEST(ServiceProcess, StopsCleanlyOnSignalsKeepingAnsweredScores) {
    const TTempDir dir;
    const std::string database = dir.Path() + "scores.db";
    int submitted = 0;
    for (int signal : {SIGTERM, SIGINT}) {
        const std::string output = dir.Path() + "out" + std::to_string(signal) + ".txt";
        ServiceProcess service({"--database=" + database}, output);
        ASSERT_GT(service.Port(), 0) << dir.Read("out" + std::to_string(signal) + ".txt");
        const std::string handshake = Get(service.Port(), "/cgi/version.pl?version&prg=Kestrova");
        const std::string token = handshake.substr(handshake.size() - 33, 32);
        const TScoreRecord record{"SIG" + std::to_string(signal), 1000 + signal, token, "LAN"};
        ASSERT_EQ(Get(service.Port(), "/cgi/version.pl?hs&prg=Kestrova&inf=" + EncodeScoreRecord(record)),
                  "OK");
        ++submitted;
        // A terminal control in a target never reaches the log as such.
        Get(service.Port(), "/x\x1b[2Jforged");

        const int status = service.Stop(signal);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        const std::string log = dir.Read("out" + std::to_string(signal) + ".txt");
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 5) << log;
        EXPECT_NE(log.find(" GET /x?[2Jforged 404 "), std::string::npos) << log;
        EXPECT_NE(log.find(" 127.0.0.1 GET /cgi/version.pl?version&prg=Kestrova 200 "), std::string::npos);
        EXPECT_NE(log.find(" 127.0.0.1 GET /cgi/version.pl?hs&prg=Kestrova&inf="), std::string::npos);
        EXPECT_EQ(log.substr(log.rfind('\n', log.size() - 2) + 1), "kestrova-scores stopped\n");
    }
    ServiceProcess again({"--database=" + database}, dir.Path() + "again.txt");
    const std::string json = Get(again.Port(), "/api/scores");
    EXPECT_NE(json.find("\"SIG15\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"SIG2\""), std::string::npos) << json;
    EXPECT_EQ(submitted, 2);
}

TEST(ServiceProcess, HelpsAndRefusesBadOptionsAndABusyPort) {
    const TTempDir dir;
    ServiceProcess first({"--database=" + dir.Path() + "first.db"}, dir.Path() + "first.txt");
    ASSERT_GT(first.Port(), 0);
    std::string text;
    EXPECT_EQ(Shell(std::string(KESTROVA_SCORES_EXE) + " --host=127.0.0.1 --port=" + std::to_string(first.Port()) +
                        " --database=" + dir.Path() + "second.db",
                    text),
              1)
        << "a second instance must not share the port";
    for (const char* bad : {"--port=70000", "--threads=0", "--nonsense=1", "--trusted-proxy=proxy.example"})
        EXPECT_EQ(Shell(std::string(KESTROVA_SCORES_EXE) + " " + bad, text), 2) << bad;

    std::string usage;
    EXPECT_EQ(Shell(KESTROVA_SCORES_EXE " --help", usage), 0) << usage;
    EXPECT_EQ(usage.rfind("usage: kestrova-scores", 0), 0u) << usage;
    EXPECT_NE(usage.find("--trusted-proxy=CIDR"), std::string::npos) << usage;
}

} // namespace
