// A program directory with an archive, the archive as the global Extractor, and the sound
// library on OpenAL Soft's loopback device (silent when the loopback is missing).
#pragma once

#include "app/Globals.h"
#include "platform/Audio.h"
#include "resources/ArchiveWriter.h"
#include "resources/Extractor.h"
#include "resources/SoundLib.h"
#include "support/SoundData.h"
#include "support/TestFiles.h"

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
        savedProgramDir_ = ProgramDir;
        ProgramDir = program_.Path();
        SoundLib = &lib_;
        Extractor = &archive_;
        loopback_ = platform::AudioInitLoopback(RATE);
    }
    void TearDown() override {
        platform::AudioShutdown();
        SoundLib = nullptr;
        Extractor = nullptr;
        ProgramDir = savedProgramDir_;
        TimeDivisor = 1;
    }

    // Members are {path below the program directory with backslashes, bytes}.
    void OpenArchive(const std::vector<std::pair<std::string, std::string>>& members) {
        std::vector<TArchiveSource> sources;
        for (size_t i = 0; i < members.size(); ++i)
            sources.push_back(
                {members[i].first, sources_.Write("member" + std::to_string(i), members[i].second)});
        WriteArchive(sources_.Path() + "Data.dpg", sources);
        archive_.Open(sources_.Path() + "Data.dpg");
        archive_.SetBaseDirectory(ProgramDir);
    }

    // Left and right levels of `frames` frames once earlier gain changes have faded in.
    std::pair<double, double> Levels(int frames) {
        platform::AudioRenderLoopback(FADE);
        const std::vector<float> out = platform::AudioRenderLoopback(frames);
        return {Rms(StereoChannel(out, 0, 0, frames)), Rms(StereoChannel(out, 1, 0, frames))};
    }

    TTempDir program_;
    TTempDir sources_;
    TExtractor archive_;
    TSoundLib lib_{false};
    bool loopback_ = false;
    std::string savedProgramDir_;
};

#define REQUIRE_LOOPBACK()                                                                                   \
    if (!loopback_) GTEST_SKIP() << "OpenAL Soft loopback device unavailable"
