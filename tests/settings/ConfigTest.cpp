#include "settings/ConfigLines.h"
#include "settings/Configure.h"
#include "settings/ConfigFiles.h"

#include <clocale>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Loads `bytes`, as Config.cfg, into `config`.
bool LoadFile(TConfig& config, const std::string& bytes) {
    TTempDir dir;
    dir.Write("Config.cfg", bytes);
    return config.Load(dir.Path() + "Config.cfg");
}

void ExpectDefaults(const TConfig& config) {
    EXPECT_EQ(Saved(config), Saved(TConfig()));
}

// The plain values of a saved file, one per line.
std::vector<std::string> DecodedLines(const std::string& bytes) {
    std::vector<std::string> values;
    TConfigReader reader(bytes);
    std::string value;
    while (reader.ReadString(value))
        values.push_back(value);
    return values;
}

std::string EncodedFile(const std::vector<std::string>& values) {
    TConfigWriter writer;
    for (const std::string& v : values)
        writer.WriteString(v);
    return writer.Bytes();
}

} // namespace

TEST(Config, EveryFieldAndTheDefaultsSurviveSaveAndLoadInTheDocumentedLines) {
    const std::string bytes = Saved(FilledConfig());
    const std::vector<std::string> values = DecodedLines(bytes);
    ASSERT_EQ(values.size(), 11u + 8 * 3 + 20);
    EXPECT_EQ(values[0], "Version 3");
    EXPECT_EQ(values[5], "0.163636356592178");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("\n"), bytes.find("\r\n") + 1);
    TConfig loaded;
    ASSERT_TRUE(LoadFile(loaded, bytes));
    EXPECT_EQ(Saved(loaded), bytes);
    ASSERT_TRUE(LoadFile(loaded, Saved(TConfig())));
    ExpectDefaults(loaded);

    TConfig zero = FilledConfig();
    zero.Brightness = 0;
    TConfig reloaded = FilledConfig();
    reloaded.Brightness = 0.5f;
    ASSERT_TRUE(LoadFile(reloaded, Saved(zero)));
    EXPECT_EQ(reloaded.Brightness, 0.0f);
}

TEST(Config, NamesWithPercentAreCutWhenReadBack) {
    TConfig config = FilledConfig();
    config.Players[0].Name = "100%FUN";
    config.HighScores[0].Name = "%";
    TConfig loaded;
    ASSERT_TRUE(LoadFile(loaded, Saved(config)));
    EXPECT_EQ(loaded.Players[0].Name, "100");
    EXPECT_EQ(loaded.HighScores[0].Name, "");
    EXPECT_EQ(loaded.Players[1].Name, "BOB THE DRIVER");
}

TEST(Config, FloatsUseAPointWhateverTheLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        EXPECT_EQ(FloatToText(0.25f), "0.25");
    }
    std::setlocale(LC_ALL, "C");
    // Small values are written with an exponent, which must read back.
    float value = 0;
    ASSERT_TRUE(TextToFloat(FloatToText(1e-05f), value));
    EXPECT_EQ(value, 1e-05f);
}

TEST(Config, InvalidStoredDataKeepsTheDefaultsForTheWholeFile) {
    const std::string good = Saved(FilledConfig());
    const std::vector<std::string> values = DecodedLines(good);

    struct TBadLine {
        size_t line;
        const char* value;
    };
    const TBadLine cases[] = {
        {0, "Version 2"},   // another game's file
        {0, "version 3"},   // its case
        {1, "two"},         // resolution not a number
        {5, "bright"},      // brightness
        {9, "7"},           // more profiles than there are slots
        {9, "-1"},          // negative profile count
        {10, "3"},          // current player past the last profile
        {12, "1.5"},        // a profile's score
        {11 + 24 + 19, ""}, // the last high score
    };
    for (const TBadLine& bad : cases) {
        std::vector<std::string> broken = values;
        broken[bad.line] = bad.value;
        TConfig config;
        EXPECT_FALSE(LoadFile(config, EncodedFile(broken))) << bad.line << " = " << bad.value;
        ExpectDefaults(config);
    }

    for (size_t cut : {good.size() - 2, good.size() - 12}) {
        TConfig config;
        const bool taken = LoadFile(config, good.substr(0, cut));
        // Cutting only the final CR LF (or the LF) leaves every line whole.
        if (cut >= good.size() - 2)
            EXPECT_TRUE(taken) << cut;
        else {
            EXPECT_FALSE(taken) << cut;
            ExpectDefaults(config);
        }
    }
}

TEST(Config, SixProfilesOrNoneSurviveARestart) {
    TConfig six;
    six.PlayerCount = MAX_PLAYERS;
    TConfig loaded;
    EXPECT_TRUE(LoadFile(loaded, Saved(six)));
    EXPECT_EQ(loaded.PlayerCount, MAX_PLAYERS);
    // Without a profile the current player is -1 or 0.
    for (int current : {-1, 0}) {
        TConfig none;
        none.CurrentPlayer = current;
        EXPECT_TRUE(LoadFile(loaded, Saved(none)));
        EXPECT_EQ(loaded.CurrentPlayer, current);
    }
}

TEST(Config, AMissingFileChangesNothingAndOnlyTheFirstStartGetsAudibleVolumes) {
    TTempDir dir;
    ASSERT_TRUE(FilledConfig().Save(dir.Path() + "Config.cfg"));
    TConfig untouched;
    EXPECT_FALSE(untouched.Load(dir.Path() + "Missing.cfg"));
    ExpectDefaults(untouched);
    TConfig first;
    first.LoadOrFirstStart(dir.Path() + "Missing.cfg");
    EXPECT_EQ(first.MusicVolume, 191);
    EXPECT_EQ(first.SoundVolume, 191);
    first.LoadOrFirstStart(dir.Path() + "Config.cfg");
    EXPECT_EQ(Saved(first), Saved(FilledConfig()));
}

class InsertHighScoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        config.PlayerCount = 2;
        config.CurrentPlayer = 1;
        config.Players[1].Name = "NEW";
        for (int i = 0; i < HIGH_SCORE_COUNT; ++i)
            config.HighScores[i] = {"E" + std::to_string(i), std::to_string(900 - 100 * i)};
    }
    void File(int score) {
        config.Players[1].Score = score;
        config.InsertHighScore();
    }
    std::string Names() const {
        std::string names;
        for (const THighScore& entry : config.HighScores)
            names += entry.Name + " ";
        return names;
    }
    TConfig config;
};

TEST_F(InsertHighScoreTest, GoesBelowHigherAndAboveEqualScores) {
    File(850);
    EXPECT_EQ(Names(), "E0 NEW E1 E2 E3 E4 E5 E6 E7 E8 ");
    SetUp();
    File(800);
    EXPECT_EQ(Names(), "E0 NEW E1 E2 E3 E4 E5 E6 E7 E8 ");
    EXPECT_EQ(config.HighScores[2].Score, "800");
    // A low score replaces the last entry; without a profile nothing is filed.
    SetUp();
    File(5);
    EXPECT_EQ(Names(), "E0 E1 E2 E3 E4 E5 E6 E7 E8 NEW ");
    File(-50);
    EXPECT_EQ(config.HighScores[9].Score, "-50") << "entry 9 is replaced whatever it held";
    SetUp();
    config.CurrentPlayer = -1;
    File(5000);
    config.CurrentPlayer = 2;
    File(5000);
    EXPECT_EQ(Names(), "E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 ");
}

TEST_F(InsertHighScoreTest, FreshTableTakesAnyScoreAtTheTop) {
    for (THighScore& entry : config.HighScores)
        entry = THighScore();
    File(0);
    EXPECT_EQ(config.HighScores[0].Name, "NEW");
    EXPECT_EQ(config.HighScores[9].Name, "Anonymous");
}
