// The end of a game in the real executable: the lost stage's Exit, the country typed, the
// score filed into the local table and sent to our own score service on loopback, or the
// connection-failed page when the service never answers.
#include "platform/HttpClient.h"
#include "settings/Configure.h"
#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

namespace {

// kestrova-scores as a child process on a loopback port (0: a free one).
class ScoreServiceProcess {
public:
    explicit ScoreServiceProcess(const std::string& dir, int port = 0) {
        const std::string output = dir + "service.txt";
        pid_ = fork();
        if (pid_ == 0) {
            std::freopen(output.c_str(), "w", stdout);
            execl(KESTROVA_SCORES_EXE, KESTROVA_SCORES_EXE, "--host=127.0.0.1",
                  ("--port=" + std::to_string(port)).c_str(), ("--database=" + dir + "scores.db").c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int tries = 0; tries < 500 && port_ < 0; ++tries) {
            std::ifstream in(output);
            std::string word;
            while (in >> word)
                if (word.rfind("127.0.0.1:", 0) == 0) port_ = std::stoi(word.substr(10));
            if (port_ < 0) usleep(10000);
        }
    }
    ~ScoreServiceProcess() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    int Port() const { return port_; }

private:
    pid_t pid_ = -1;
    int port_ = -1;
};

// A free loopback port that takes one connection and never answers it.
class SilentListener {
public:
    SilentListener() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        // The service that takes the port over binds it while the silent connection stays open.
        const int reuse = 1;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
        listen(listener_, 4);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~SilentListener() {
        if (connection_ >= 0) close(connection_);
        if (listener_ >= 0) close(listener_);
    }
    int Port() const { return port_; }
    // Waits up to a minute for the caller, keeps its connection open and stops listening.
    bool TakeOneCallerAndStopListening() {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, 60000) == 1) connection_ = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        close(listener_);
        listener_ = -1;
        return connection_ >= 0;
    }

private:
    // Close-on-exec, or the game started meanwhile would keep the port listening.
    int listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int connection_ = -1;
    int port_ = -1;
};

class ScoreExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A stage of bridges whose edge kills the car, as in the play tests.
        WriteStage(game, 3, 13, 30);
        TConfig config;
        config.PlayerCount = 1;
        config.Players[0].Name = "ACE";
        config.Players[0].Score = 5000;
        ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    }

    // Loses the stage, leaves through Exit, types the country, confirms with Return and answers
    // Yes to the send page, then runs `retry` (more script lines) until frame `frames`;
    // returns the trace.
    std::string EndTheGame(const std::string& service, const std::string& retry = "",
                           int frames = LostBy + 40) {
        std::string script = "1 keys=38\n200 keys=38,37\n";
        auto at = [&script](int frame, const std::string& event) {
            script += std::to_string(frame) + " " + event + "\n";
        };
        at(LostBy, "keys= pointer=466,336");
        at(LostBy + 2, "keys=1");
        at(LostBy + 4, "keys=");
        const std::string typed = "N Z";
        for (size_t i = 0; i < typed.size(); ++i) {
            at(LostBy + 10 + 2 * static_cast<int>(i), "keys=" + std::to_string(typed[i]));
            at(LostBy + 11 + 2 * static_cast<int>(i), "keys=");
        }
        at(LostBy + 20, "keys=13");
        at(LostBy + 21, "keys= pointer=332,336");
        at(LostBy + 24, "keys=1");
        at(LostBy + 26, "keys=");
        game.Files().Write("input.txt", script + retry);
        const TGameRun run =
            game.Run({"--stage=3", "--fixed-step=25", "--seed=5", "--window=800x600", "--audio=none",
                      "--score-service=" + service, "--input=" + game.Dir() + "input.txt",
                      "--frames=" + std::to_string(frames), "--trace=" + game.Dir() + "trace.txt",
                      "--frame-times=" + game.Dir() + "times.txt"},
                     300);
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.status, 0) << run.errors;
        return game.Files().Read("trace.txt");
    }

    // The page of trace line `frame`.
    static std::string PageAt(const std::string& trace, int frame) {
        const size_t line = trace.find("frame=" + std::to_string(frame) + " ");
        if (line == std::string::npos) return "none";
        const size_t page = trace.find(" page=", line);
        return trace.substr(page + 6, trace.find(' ', page + 6) - page - 6);
    }

    // The longest frame of the last run, in seconds.
    double LongestFrame() const {
        std::istringstream times(game.Files().Read("times.txt"));
        long long longest = 0;
        for (long long micros = 0; times >> micros;)
            longest = std::max(longest, micros);
        return longest / 1e6;
    }

    // The stage is lost (page 17) well before this frame.
    static constexpr int LostBy = 520;
    TGameInstall game;
};

} // namespace

TEST_F(ScoreExchangeTest, TheCountryFilesTheScoreAndYesSendsItToTheService) {
    const ScoreServiceProcess service(game.Dir());
    ASSERT_GT(service.Port(), 0);
    const std::string trace = EndTheGame(service.Address());
    EXPECT_EQ(PageAt(trace, LostBy - 1), "17") << trace.substr(trace.size() - 2000);
    EXPECT_EQ(PageAt(trace, LostBy + 8), "20");
    EXPECT_EQ(PageAt(trace, LostBy + 22), "21");
    EXPECT_EQ(PageAt(trace, LostBy + 39), "0");

    TConfig config;
    ASSERT_TRUE(config.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(config.HighScores[0].Name, "ACE");
    const std::string score = config.HighScores[0].Score;
    EXPECT_GE(std::stoll(score), 5000);

    const platform::THttpResult table =
        platform::HttpGet(service.Address() + "/cgi/version.pl?prg=Kestro&show&type=0");
    ASSERT_TRUE(table.ok) << table.error;
    EXPECT_NE(table.body.find("ACE"), std::string::npos) << table.body;
    EXPECT_NE(table.body.find(score), std::string::npos) << table.body;
    EXPECT_NE(table.body.find("N Z"), std::string::npos) << table.body;
}

TEST_F(ScoreExchangeTest, AServiceThatNeverAnswersTimesOutAndTheRetryReachesTheServiceStartedSince) {
    SilentListener silent;
    std::unique_ptr<ScoreServiceProcess> service;
    bool called = false;
    // Once the game's call hangs on the silent port, the real service takes that port over.
    std::thread takeover([&] {
        called = silent.TakeOneCallerAndStopListening();
        service = std::make_unique<ScoreServiceProcess>(game.Dir(), silent.Port());
    });
    const std::string address = "http://127.0.0.1:" + std::to_string(silent.Port());
    const std::string trace = EndTheGame(
        address, std::to_string(LostBy + 40) + " keys=1\n" + std::to_string(LostBy + 42) + " keys=\n",
        LostBy + 60);
    takeover.join();
    ASSERT_TRUE(called);
    ASSERT_GT(service->Port(), 0);

    EXPECT_EQ(PageAt(trace, LostBy + 30), "23") << "the time-out fails the exchange";
    const double stalled = LongestFrame();
    EXPECT_GT(stalled, 9.5) << "the whole request waits its 10 s";
    EXPECT_LT(stalled, 12.0);
    EXPECT_EQ(PageAt(trace, LostBy + 59), "0") << "Yes on the retry page sent the score";
    const platform::THttpResult table =
        platform::HttpGet(service->Address() + "/cgi/version.pl?prg=Kestro&show&type=0");
    ASSERT_TRUE(table.ok) << table.error;
    EXPECT_NE(table.body.find("ACE"), std::string::npos) << table.body;
}
