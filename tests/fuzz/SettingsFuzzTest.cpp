// Damaged and truncated Config.cfg files, random and damaged keys.cfg files: loading must never
// crash or read past the data, and must either take a whole valid file or change nothing.
#include "fuzz/Damage.h"
#include "settings/ConfigFiles.h"
#include "settings/KeyControl.h"
#include "settings/SymbolTable.h"
#include "support/RandomText.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <random>

namespace {

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

TEST(SettingsFuzz, ConfigSurvivesDamageAndTruncation) {
    // Damage made of the file's own symbols decodes to any bytes in any field after an intact
    // version line.
    TTempDir dir;
    const std::string symbols = std::string(kSymbolTable) + "\r\n%";
    FuzzReader(
        Saved(FilledConfig()), 600, [&](const std::string& bytes) { LoadConfig(dir, bytes); }, Pieces(symbols));
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
    FuzzReader(
        dir.Read("keys.cfg"), 300, [&](const std::string& bytes) { CreateKeys(dir, bytes); }, Pieces(keyish));
}
