// The kestrova-scores executable: start-up line, a log line per request, and a clean stop on
// SIGTERM and SIGINT that keeps every answered submission.
#include "server/ServiceFixture.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

// The service as a child process, its output going to a file the test reads.
class ServiceProcess {
public:
    ServiceProcess(const std::string& database, const std::string& output) {
        m_pid = fork();
        if (m_pid == 0) {
            std::freopen(output.c_str(), "w", stdout);
            execl(KESTROVA_SCORES_EXE, KESTROVA_SCORES_EXE, "--host=127.0.0.1", "--port=0",
                  ("--database=" + database).c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int tries = 0; tries < 500 && m_port < 0; ++tries) {
            std::ifstream in(output);
            std::string word;
            while (in >> word)
                if (word.rfind("127.0.0.1:", 0) == 0) m_port = std::stoi(word.substr(10));
            if (m_port < 0) usleep(10000);
        }
    }
    ~ServiceProcess() {
        if (m_pid > 0) Stop(SIGKILL);
    }
    int Port() const { return m_port; }
    // The exit status after `signal`.
    int Stop(int signal) {
        kill(m_pid, signal);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return status;
    }

private:
    pid_t m_pid = -1;
    int m_port = -1;
};

std::string Get(int port, const std::string& target) {
    httplib::Client client("127.0.0.1", port);
    const httplib::Result result = client.Get(target.c_str());
    return result ? result->body : "no answer";
}

TEST(ServiceProcess, StopsCleanlyOnSignalsKeepingAnsweredScores) {
    const TTempDir dir;
    const std::string database = dir.Path() + "scores.db";
    int submitted = 0;
    for (int signal : {SIGTERM, SIGINT}) {
        const std::string output = dir.Path() + "out" + std::to_string(signal) + ".txt";
        ServiceProcess service(database, output);
        ASSERT_GT(service.Port(), 0) << dir.Read("out" + std::to_string(signal) + ".txt");
        const std::string handshake = Get(service.Port(), "/cgi/version.pl?version&prg=Kestrova");
        const std::string token = handshake.substr(handshake.size() - 33, 32);
        const TScoreRecord record{"SIG" + std::to_string(signal), 1000 + signal, token, "LAN"};
        ASSERT_EQ(Get(service.Port(), "/cgi/version.pl?hs&prg=Kestrova&inf=" + EncodeScoreRecord(record)),
                  "OK");
        ++submitted;

        const int status = service.Stop(signal);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        const std::string log = dir.Read("out" + std::to_string(signal) + ".txt");
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
        EXPECT_NE(log.find(" 127.0.0.1 GET /cgi/version.pl?version&prg=Kestrova 200 "), std::string::npos);
        EXPECT_NE(log.find(" 127.0.0.1 GET /cgi/version.pl?hs&prg=Kestrova&inf="), std::string::npos);
        EXPECT_EQ(log.substr(log.rfind('\n', log.size() - 2) + 1), "kestrova-scores stopped\n");
    }
    ServiceProcess again(database, dir.Path() + "again.txt");
    const std::string json = Get(again.Port(), "/api/scores");
    EXPECT_NE(json.find("\"SIG15\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"SIG2\""), std::string::npos) << json;
    EXPECT_EQ(submitted, 2);
}

TEST(ServiceProcess, RefusesBadOptionsAndABusyPort) {
    const TTempDir dir;
    ServiceProcess first(dir.Path() + "first.db", dir.Path() + "first.txt");
    ASSERT_GT(first.Port(), 0);
    const std::string second = std::string(KESTROVA_SCORES_EXE) +
                               " --host=127.0.0.1 --port=" + std::to_string(first.Port()) +
                               " --database=" + dir.Path() + "second.db 2>/dev/null";
    const int busy = std::system(second.c_str());
    EXPECT_TRUE(WIFEXITED(busy) && WEXITSTATUS(busy) == 1) << "a second instance must not share the port";

    for (const char* bad : {"--port=70000", "--port=x", "--threads=0", "--nonsense=1", "--database="}) {
        const std::string command = std::string(KESTROVA_SCORES_EXE) + " " + bad + " 2>/dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << bad;
    }
}

} // namespace
