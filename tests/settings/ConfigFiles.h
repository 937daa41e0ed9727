// A Config.cfg with every field set, and what Save writes, for the settings and fuzz tests.
#pragma once

#include "settings/Configure.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <string>

inline TConfig FilledConfig() {
    TConfig config;
    config.Resolution = 2;
    config.ColourDepth = 32;
    config.FullScreen = true;
    config.Shadows = true;
    config.Shaders = true;
    config.Brightness = 9.0f / 55;
    config.MusicVolume = 128;
    config.SoundVolume = 255;
    config.PlayerCount = 3;
    config.CurrentPlayer = 2;
    config.Players[0] = {"ALICE", 1234, 4, 10, 20, 30, 40, 5};     // 5 characters: no filling
    config.Players[1] = {"BOB THE DRIVER", -7, 16, 0, 0, 0, 0, 0}; // 15 characters
    config.Players[2] = {"X", 2147483647, 1, 1, 2, 3, 4, -2147483647 - 1};
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i)
        config.HighScores[i] = {"P" + std::to_string(i), std::to_string(900 - 100 * i)};
    config.HighScores[3].Name = "";
    return config;
}

// What Save writes for `config`: equal bytes mean equal stored values.
inline std::string Saved(const TConfig& config) {
    TTempDir dir;
    EXPECT_TRUE(config.Save(dir.Path() + "Config.cfg"));
    return dir.Read("Config.cfg");
}
