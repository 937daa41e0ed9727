// Random and truncated Config.cfg and keys.cfg files: loading must never crash or read
// past the data, and must either take a whole valid file or change nothing.
#include "fuzz/Damage.h"
#include "settings/ConfigLines.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"
#include "settings/SymbolTable.h"
#include "support/RandomText.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string ValidConfigFile() {
    TConfig config;
    config.PlayerCount = 2;
    config.CurrentPlayer = 1;
    config.Players[0].Name = "RACER";
    config.Players[1] = {"SECOND ONE", 500, 3, 1, 2, 3, 4, 5};
    config.Brightness = 0.2f;
    TTempDir dir;
    config.Save(dir.Path() + "Config.cfg");
    return dir.Read("Config.cfg");
}

void LoadConfig(const TTempDir& dir, const std::string& bytes) {
    dir.Write("Config.cfg", bytes);
    TConfig config;
    config.Load(dir.Path() + "Config.cfg");
    ASSERT_GE(config.PlayerCount, 0);
    ASSERT_LE(config.PlayerCount, MAX_PLAYERS);
}

void CreateKeys(const TTempDir& dir, const std::string& bytes) {
    dir.Write("keys.cfg", bytes);
    TKeys keys(dir.Path() + "keys.cfg");
    for (const TKeyBinding& binding : keys.Bindings) {
        ASSERT_GE(binding.First, NO_KEY);
        ASSERT_LE(binding.First, 255);
        ASSERT_GE(binding.Second, NO_KEY);
        ASSERT_LE(binding.Second, 255);
    }
}

} // namespace

TEST(SettingsFuzz, ConfigSurvivesRandomBytesAndTruncation) {
    TTempDir dir;
    std::mt19937 random(20240611);
    const std::string symbols = std::string(kSymbolTable) + "\r\n%";
    for (int round = 0; round < 300; ++round) {
        LoadConfig(dir, RandomText(random, 2000, ""));
        LoadConfig(dir, RandomText(random, 2000, symbols));
    }
    FuzzReader(ValidConfigFile(), 300, [&](const std::string& bytes) { LoadConfig(dir, bytes); }, Pieces(symbols));
}

TEST(SettingsFuzz, ConfigValuesSurviveRandomEncodedLines) {
    // Lines that decode to any bytes at all, valid version line first.
    std::mt19937 random(7);
    TTempDir dir;
    for (int round = 0; round < 200; ++round) {
        TConfigWriter writer;
        writer.WriteString("Version 3");
        for (int line = 0; line < 60; ++line) {
            const int kind = random() % 4;
            if (kind == 0)
                writer.WriteString(RandomText(random, 12, ""));
            else if (kind == 1)
                writer.WriteInteger(static_cast<int32_t>(random() % 9) - 1);
            else if (kind == 2)
                writer.WriteBoolean(random() % 2);
            else
                writer.WriteString(RandomText(random, 8, "0123456789-.,e+"));
        }
        LoadConfig(dir, writer.Bytes());
    }
}

TEST(SettingsFuzz, KeysSurviveRandomBytesAndTruncation) {
    TTempDir dir;
    std::mt19937 random(99);
    const std::string keyish = "KP_FORWARDBACKLEFTRIGHTSHOOTMISSILE=-0123456789\r\n ";
    for (int round = 0; round < 300; ++round) {
        CreateKeys(dir, RandomText(random, 500, ""));
        CreateKeys(dir, RandomText(random, 500, keyish));
    }
    TKeys defaults(dir.Path() + "keys.cfg");
    defaults.Bindings = KeySettingsDefaults();
    defaults.Save();
    FuzzReader(dir.Read("keys.cfg"), 300, [&](const std::string& bytes) { CreateKeys(dir, bytes); }, Pieces(keyish));
}
