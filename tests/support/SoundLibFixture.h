// A program directory with an archive, the archive as the global Extractor, and the sound
// library on OpenAL Soft's loopback device (silent when the loopback is missing).
#pragma once

#include "app/Globals.h"
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
    // Frames OpenAL Soft takes to fade in a gain change.
    static constexpr int FADE = 2048;

    void SetUp() override {
        SoundLib = &lib_;
        loopback_ = platform::AudioInitLoopback(RATE);
    }
    void TearDown() override {
        platform::AudioShutdown();
        SoundLib = nullptr;
        TimeDivisor = 1;
    }

    // Members are {path below the program directory with backslashes, bytes}.
    void OpenArchive(const std::vector<std::pair<std::string, std::string>>& members) {
        program_.PackArchive(members);
    }

    // Left and right levels of `frames` frames once earlier gain changes have faded in.
    std::pair<double, double> Levels(int frames) {
        platform::AudioRenderLoopback(FADE);
        const std::vector<float> out = platform::AudioRenderLoopback(frames);
        return {Rms(StereoChannel(out, 0, 0, frames)), Rms(StereoChannel(out, 1, 0, frames))};
    }

    TScratchProgram program_;
    TSoundLib lib_{false};
    bool loopback_ = false;
};

#define REQUIRE_LOOPBACK()                                                                                   \
    if (!loopback_) GTEST_SKIP() << "OpenAL Soft loopback device unavailable"
