// The end of a game in the real executable: the lost stage's Exit, the country typed, the
// score filed into the local table and sent to our own score service on loopback. (A service
// that never answers is the HTTP client's test; the retry page is the send pages' test.)
#include "platform/HttpClient.h"
#include "settings/Configure.h"
#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// kestrova-scores as a child process on a free loopback port.
class ScoreServiceProcess {
public:
    explicit ScoreServiceProcess(const std::string& dir) {
        const std::string output = dir + "service.txt";
        pid_ = fork();
        if (pid_ == 0) {
            std::freopen(output.c_str(), "w", stdout);
            execl(KESTROVA_SCORES_EXE, KESTROVA_SCORES_EXE, "--host=127.0.0.1",
                  "--port=0", ("--database=" + dir + "scores.db").c_str(),
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

class ScoreExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A stage of bridges whose edge kills the car, as in the lost-stage run.
        WriteStage(game, 3, 13, 30);
        TConfig config;
        config.PlayerCount = 1;
        config.Players[0].Name = "ACE";
        config.Players[0].Score = 5000;
        ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    }

    // Loses the stage, leaves through Exit, types the country, confirms with Return and answers
    // Yes to the send page; returns the trace.
    std::string EndTheGame(const std::string& service) {
        const int frames = LostBy + 40;
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
        game.Files().Write("input.txt", script);
        const TGameRun run =
            game.Run({"--stage=3", "--fixed-step=25", "--seed=5", "--window=800x600", "--audio=none",
                      "--score-service=" + service, "--input=" + game.Dir() + "input.txt",
                      "--frames=" + std::to_string(frames), "--trace=" + game.Dir() + "trace.txt"},
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
