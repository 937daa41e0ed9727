// A program directory with an archive, the archive as the global Extractor, and the sound
// library on OpenAL Soft's loopback device (silent when the loopback is missing).
#pragma once

#include "platform/Audio.h"
#include "resources/SoundLib.h"
#include "support/ScratchProgram.h"
#include "support/SoundData.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class SoundLibFixture : public ::testing::Test {
public:
    static constexpr int RATE = 22050;

protected:
    void SetUp() override {
        SoundLib = &lib_;
        loopback_ = platform::AudioInitLoopback(RATE);
    }
    void TearDown() override {
        platform::AudioShutdown();
        SoundLib = nullptr;
    }

    // Members are {path below the program directory with backslashes, bytes}.
    void OpenArchive(const std::vector<std::pair<std::string, std::string>>& members) {
        program_.PackArchive(members);
    }

    TScratchProgram program_;
    TSoundLib lib_{false};
    bool loopback_ = false;
};

#define REQUIRE_LOOPBACK()                                                                                   \
    if (!loopback_) GTEST_SKIP() << "OpenAL Soft loopback device unavailable"
