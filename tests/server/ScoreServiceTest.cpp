// The score service over real HTTP on loopback, on SQLite and on PostgreSQL.
#include "server/LoopbackClient.h"
#include "server/ServiceFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <thread>

namespace {

class ScoreServiceTest : public testing::TestWithParam<Storage> {
protected:
    void SetUp() override {
        if (GetParam() == Storage::Postgres && PostgresAddress().empty()) {
            if (PostgresMissing()) GTEST_SKIP() << PostgresProblem();
            FAIL() << PostgresProblem();
        }
    }
    std::unique_ptr<TestService> Start(TServiceOptions options = TestService::Unlimited()) {
        return std::make_unique<TestService>(GetParam(), options);
    }
};

TScoreRecord Record(const std::string& name, int64_t score, const std::string& token,
                    const std::string& country = "NORWAY") {
    return TScoreRecord{name, score, token, country};
}

TEST_P(ScoreServiceTest, TokensServeOneSubmissionWithinTheirLifetime) {
    const auto service = Start();
    const TestService::TAnswer handshake = service->Get(kHandshake);
    EXPECT_EQ(handshake.status, 200);
    EXPECT_TRUE(std::regex_match(handshake.body, std::regex(R"(OK\|1\.0\|1700000000\|600\|[0-9a-f]{32}\|)")))
        << handshake.body;

    const std::string token = service->Token();
    EXPECT_NE(token, service->Token()) << "every handshake draws a new token";
    // A refused record leaves its token unspent.
    EXPECT_EQ(service->Submit(Record("", 10, token)).body, "ERROR bad name");
    const TestService::TAnswer accepted = service->Submit(Record("ACE", 10, token));
    EXPECT_EQ(accepted.status, 200);
    EXPECT_EQ(accepted.body, "OK");
    const TestService::TAnswer reused = service->Submit(Record("ACE", 10, token));
    EXPECT_EQ(reused.status, 400);
    EXPECT_EQ(reused.body, "ERROR bad token");
    EXPECT_EQ(service->Submit(Record("ACE", 10, "0123456789abcdef0123456789abcdef")).body, "ERROR bad token");
    EXPECT_EQ(service->Submit(Record("ACE", 10, "")).body, "ERROR bad token");

    const std::string lastSecond = service->Token();
    const std::string expiring = service->Token();
    service->now += 599;
    EXPECT_EQ(service->Submit(Record("ACE", 11, lastSecond)).body, "OK");
    service->now += 1;
    EXPECT_EQ(service->Submit(Record("ACE", 12, expiring)).body, "ERROR bad token");

    // Tokens live in the store, so a restarted instance (or another one) honours them.
    const std::string kept = service->Token();
    service->Restart();
    EXPECT_EQ(service->Submit(Record("ACE", 13, kept)).body, "OK");

    // Pruning removes only expired tokens.
    const std::string old = service->Token();
    service->now += 300;
    const std::string fresh = service->Token();
    service->now += 300;
    // Unspent and expired by now: the first handshake's, the second drawn, "expiring" and "old".
    EXPECT_EQ(service->Store().Prune(service->now - 599, service->now / 60), 4);
    EXPECT_EQ(service->Submit(Record("ACE", 14, fresh)).body, "OK");
    EXPECT_EQ(service->Store().TopScores(100).size(), 4u);
}

TEST_P(ScoreServiceTest, ARetryWhoseAnswerWasLostIsFiledOnce) {
    const auto service = Start();
    EXPECT_EQ(service->Submit(Record("ACE", 500, service->Token())).body, "OK");
    // The game retries the whole exchange: a new handshake, the same record.
    EXPECT_EQ(service->Submit(Record("ACE", 500, service->Token())).body, "OK");
    EXPECT_EQ(service->Store().TopScores(10).size(), 1u);
    // Another score, or the same one once a token's lifetime has passed, is a new filing.
    EXPECT_EQ(service->Submit(Record("ACE", 501, service->Token())).body, "OK");
    service->now += 600;
    EXPECT_EQ(service->Submit(Record("ACE", 500, service->Token())).body, "OK");
    const std::vector<TStoredScore> table = service->Store().TopScores(10);
    ASSERT_EQ(table.size(), 3u);
    // Best first; of equal scores the earlier filing.
    EXPECT_EQ(table[0].score, 501);
    EXPECT_LT(table[1].filed, table[2].filed);
}

TEST_P(ScoreServiceTest, RefusesBadRequestsWithTheirReasons) {
    const auto service = Start();
    const struct {
        TScoreRecord record;
        const char* answer;
    } cases[] = {
        {Record(std::string(64, 'N'), 1, ""), nullptr},
        {Record(std::string(65, 'N'), 1, ""), "ERROR bad name"},
        {Record("TAB\tNAME", 1, ""), "ERROR bad name"},
        {Record("\x98", 1, ""), "ERROR bad name"}, // unassigned in Windows-1251
        {Record("ACE", 1, "", std::string(65, 'C')), "ERROR bad country"},
        {Record("ACE", 1, "", "NORWAY|score=2000000000"), "ERROR bad record"}, // the separator
        {Record("ACE", -1, ""), "ERROR bad score"},
        {Record("ACE", 2000000001, ""), "ERROR bad score"},
        {Record("ACE", 2000000000, ""), nullptr},
    };
    for (const auto& c : cases) {
        TScoreRecord record = c.record;
        record.token = service->Token();
        const TestService::TAnswer answer = service->Submit(record);
        EXPECT_EQ(answer.body, c.answer ? c.answer : "OK") << record.name << " " << record.score;
        EXPECT_EQ(answer.status, c.answer ? 400 : 200);
    }

    const std::string good = EncodeScoreRecord(Record("ACE", 5, service->Token()));
    for (const std::string& inf : {good.substr(0, good.size() - 8) + "ABCDEFGH", good.substr(0, 7), good + "A"}) {
        const TestService::TAnswer answer = service->Get("/cgi/version.pl?hs&prg=Kestrova&inf=" + inf);
        EXPECT_EQ(answer.status, 400);
        EXPECT_EQ(answer.body, "ERROR bad record") << inf;
    }
    for (const char* target :
         {"/cgi/version.pl?version&prg=Other", "/cgi/version.pl?hs&prg=Kestro&inf="}) {
        const TestService::TAnswer answer = service->Get(target);
        EXPECT_EQ(answer.status, 400) << target;
        EXPECT_EQ(answer.body, "ERROR unknown request") << target;
    }
    for (const char* limit : {"0", "101", "99999999999"})
        EXPECT_EQ(service->Get(std::string("/api/scores?limit=") + limit).status, 400) << limit;
}

TEST_P(ScoreServiceTest, HostileNamesAreStoredAndShownEscaped) {
    const auto service = Start();
    const std::string names[] = {"O'Brien", "x'); DROP TABLE scores;--", "<script>alert(1)</script>",
                                 "\xC8\xE2\xE0\xED", "a|score=9|key=X|p=|add=|z="};
    int score = 100;
    for (const std::string& name : names)
        ASSERT_EQ(service->Submit(Record(name, score--, service->Token(), "<b>&")).body, "OK") << name;
    service->Restart();

    const TestService::TAnswer page = service->Get(kTable);
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
    EXPECT_EQ(page.body.find("<script"), std::string::npos);
    EXPECT_EQ(page.body.find("<b>"), std::string::npos);
    for (const char* shown :
         {"O&#39;Brien", "x&#39;); DROP TABLE scores;--", "&lt;script&gt;alert(1)&lt;/script&gt;",
          "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "a|score=9|key=X|p=|add=|z=", "&lt;b&gt;&amp;"})
        EXPECT_NE(page.body.find(shown), std::string::npos) << shown;

    const TestService::TAnswer json = service->Get("/api/scores?limit=2");
    EXPECT_EQ(json.body,
              "{\"scores\":[{\"rank\":1,\"name\":\"O'Brien\",\"score\":100,\"country\":"
              "\"\\u003cb\\u003e\\u0026\",\"filed\":1700000000},{\"rank\":2,\"name\":\"x'); DROP TABLE "
              "scores;--\",\"score\":99,\"country\":\"\\u003cb\\u003e\\u0026\",\"filed\":1700000000}]}\n");
}

TEST_P(ScoreServiceTest, LimitsAbuseWithTooManyRequestsAndSize) {
    TServiceOptions options = TestService::Unlimited();
    options.handshakesPerMinute = 3;
    options.submissionsPerMinute = 1;
    options.maxRequestBytes = 600;
    const auto service = Start(options);
    service->now = 1700000080; // 20 seconds before a minute turns
    std::string tokens[3];
    for (std::string& token : tokens)
        token = service->Token();
    const TestService::TAnswer refused = service->Get(kHandshake);
    EXPECT_EQ(refused.status, 429);
    EXPECT_EQ(refused.body, "ERROR too many requests");
    EXPECT_EQ(service->Submit(Record("ACE", 1, tokens[0])).body, "OK");
    EXPECT_EQ(service->Submit(Record("ACE", 2, tokens[1])).status, 429);
    EXPECT_EQ(service->Get(kTable).status, 200) << "reading the table is not limited";

    service->now += 20;
    EXPECT_EQ(service->Submit(Record("ACE", 2, tokens[1])).body, "OK");
    EXPECT_EQ(service->Get(kHandshake).status, 200);

    const TestService::TAnswer large = service->Get(kTable + std::string("&pad=") + std::string(600, 'x'));
    EXPECT_EQ(large.status, 413);
    EXPECT_EQ(large.body, "ERROR request too large");
}

// Three instances on one database: the limits are the database's, and one submission sent
// to all three at the same moment spends its token once.
TEST(SharedPostgres, InstancesBehaveAsOneService) {
    if (PostgresAddress().empty()) {
        if (PostgresMissing()) GTEST_SKIP() << PostgresProblem();
        FAIL() << PostgresProblem();
    }
    TServiceOptions options = TestService::Unlimited();
    options.handshakesPerMinute = 3;
    std::vector<std::unique_ptr<TestService>> instances;
    for (int i = 0; i < 3; ++i)
        instances.push_back(std::make_unique<TestService>(Storage::Postgres, options));
    std::vector<std::string> tokens;
    for (const auto& instance : instances)
        tokens.push_back(instance->Token());
    for (const auto& instance : instances)
        EXPECT_EQ(instance->Get(kHandshake).status, 429);

    const TScoreRecord record = Record("TRIO", 777, tokens[0]);
    std::atomic<bool> go{false};
    std::vector<std::string> answers(instances.size());
    std::vector<std::thread> senders;
    for (size_t i = 0; i < instances.size(); ++i)
        senders.emplace_back([&, i] {
            while (!go)
                std::this_thread::yield();
            answers[i] = instances[i]->Submit(record).body;
        });
    go = true;
    for (std::thread& sender : senders)
        sender.join();
    EXPECT_EQ(std::count(answers.begin(), answers.end(), "OK"), 1);
    EXPECT_EQ(std::count(answers.begin(), answers.end(), "ERROR bad token"), 2);
    EXPECT_EQ(instances[0]->Store().TopScores(10).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Storage, ScoreServiceTest, testing::Values(Storage::Sqlite, Storage::Postgres),
                         [](const testing::TestParamInfo<Storage>& info) {
                             return info.param == Storage::Sqlite ? "Sqlite" : "Postgres";
                         });

} // namespace
