// The sound output rendered through OpenAL Soft's loopback device.
#include "platform/Audio.h"
#include "support/SoundData.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int RATE = 22050;

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!platform::AudioInitLoopback(RATE)) GTEST_SKIP() << "OpenAL Soft loopback device unavailable";
    }
    void TearDown() override { platform::AudioShutdown(); }

    static int Load(const std::string& bytes) {
        return platform::SampleLoadMemory(bytes.data(), bytes.size());
    }
    static int Sine(double seconds) {
        return Load(SineFile(TSoundFormat::Wav16, RATE, 1, 441, seconds, 0.5));
    }
    static double Level(int frames) { return Levels(frames).first; }
};

// (A looping sample keeps playing: the menu's tune in MusicTest.)
TEST_F(AudioTest, OneShotEndsAndPausedWaits) {
    int channel = platform::PlaySound(Sine(0.1), false);
    platform::AudioRenderLoopback(RATE / 2);
    EXPECT_FALSE(platform::IsPlaying(channel));
    EXPECT_LT(Level(RATE / 4), 1e-4);

    // A paused start is silent until resumed.
    channel = platform::PlaySound(Sine(1.0), true);
    EXPECT_TRUE(platform::IsPlaying(channel));
    EXPECT_LT(Level(RATE / 8), 1e-4);
    platform::SetPaused(channel, false);
    EXPECT_GT(Level(RATE / 8), 0.1);
}

TEST_F(AudioTest, BusyChannelsGiveWayToNewSoundsExceptLoops) {
    const int oneShot = Sine(1.0);
    std::vector<int> handles;
    for (int i = 0; i < platform::AUDIO_CHANNELS; ++i)
        handles.push_back(platform::PlaySound(oneShot, false));
    platform::AudioRenderLoopback(64);

    // All busy: the oldest one-shot is taken, and its old handle no longer reaches it.
    const int newest = platform::PlaySound(oneShot, false);
    ASSERT_GE(newest, 0);
    EXPECT_EQ(newest % platform::AUDIO_CHANNELS, handles[0] % platform::AUDIO_CHANNELS);
    EXPECT_FALSE(platform::IsPlaying(handles[0]));
    platform::StopSound(handles[0]);
    EXPECT_TRUE(platform::IsPlaying(newest));

    // A finished channel is free again.
    platform::StopSound(handles[5]);
    EXPECT_EQ(platform::PlaySound(oneShot, false) % platform::AUDIO_CHANNELS,
              handles[5] % platform::AUDIO_CHANNELS);

    // Loops are never cut off.
    platform::AudioShutdown();
    ASSERT_TRUE(platform::AudioInitLoopback(RATE));
    const int loop = Sine(0.2);
    platform::SampleSetLoop(loop, true);
    for (int i = 0; i < platform::AUDIO_CHANNELS; ++i)
        ASSERT_GE(platform::PlaySound(loop, false), 0);
    EXPECT_EQ(platform::PlaySound(loop, false), -1);
}

// A long tune decodes on a worker thread: its plays count as playing meanwhile, keep a pause
// or a stop given before it lands, and sound once it has.
TEST_F(AudioTest, LongTunePlaysOnceDecoded) {
    const int tune = Load(SineFile(TSoundFormat::Ogg, RATE, 2, 441, 20.0, 0.5));
    ASSERT_GT(tune, 0);
    EXPECT_EQ(platform::SampleDefaultFrequency(tune), RATE);
    const int playing = platform::PlaySound(tune, false);
    const int paused = platform::PlaySound(tune, true);
    const int stopped = platform::PlaySound(tune, false);
    platform::StopSound(stopped);
    EXPECT_TRUE(platform::IsPlaying(playing));
    EXPECT_TRUE(platform::IsPlaying(paused));
    EXPECT_FALSE(platform::IsPlaying(stopped));

    platform::AudioFinishLoading();
    EXPECT_GT(Level(RATE / 8), 0.1);
    platform::StopSound(playing);
    EXPECT_LT(Level(RATE / 8), 1e-4);
    EXPECT_TRUE(platform::IsPlaying(paused));
    platform::SetPaused(paused, false);
    EXPECT_GT(Level(RATE / 8), 0.1);
}

// Without output (every call then harmless: the whole-program tests run so), loading still
// checks the data.
TEST(AudioSilent, LoadingStillChecksTheDataWithoutOutput) {
    setenv("KESTROVA_AUDIO", "none", 1);
    EXPECT_FALSE(platform::AudioInit(true));
    unsetenv("KESTROVA_AUDIO");
    EXPECT_FALSE(platform::AudioInit(false));
    EXPECT_FALSE(platform::AudioActive());

    const std::string wav = SineFile(TSoundFormat::Wav16, RATE, 1, 441, 0.1, 0.5);
    const int sample = platform::SampleLoadMemory(wav.data(), wav.size());
    EXPECT_GT(sample, 0);
    EXPECT_EQ(platform::SampleDefaultFrequency(sample), RATE);
    EXPECT_EQ(platform::SampleLoadMemory("junk", 4), 0);
    EXPECT_EQ(platform::PlaySound(sample, false), -1);
    platform::AudioShutdown();
}

} // namespace
