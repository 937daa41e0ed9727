// Replay files: every frame comes back as written, runs and all, and a file from elsewhere or a
// damaged one is refused with a message that says what is wrong.
#include "app/ReplayFile.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

TReplay SampleReplay() {
    TReplay replay;
    replay.gameVersion = "1.0.0";
    replay.stage = 7;
    replay.missionDigest = 0x0123456789abcdefULL;
    replay.dataDigest = 42;
    replay.seed = 0xfedcba9876543210ULL;
    replay.profile = "ACE \xc0";
    replay.start = {1200, 750.5f, 30, 99000, {1, 2, 3, 4, 5}, 123456789012LL, 4567, -3};
    replay.start.car = {1, 2, 3, 4, 5, 6};
    replay.outcome = RO_COMPLETE;
    replay.finalScore = 5400;
    for (int i = 0; i < 700; ++i) {
        TReplayFrame frame;
        frame.step = static_cast<uint8_t>(i < 300 ? 25 : 16 + i % 2); // a long run, then changes
        frame.scaledStep = static_cast<uint8_t>(i > 600 ? frame.step / 4 : frame.step);
        frame.divisor = static_cast<uint8_t>(i > 600 ? 4 : 1);
        frame.controls = static_cast<uint16_t>(i % 97 == 0 ? RC_ALL : i > 400 ? RC_FORWARD | RC_SHOOT : 0);
        frame.aim = {i > 350 ? i * 0.01f : 0.0f, -0.0f, 2};
        if (i == 500) frame.health = 1000;
        replay.frames.push_back(frame);
    }
    return replay;
}

} // namespace

TEST(ReplayFile, ComesBackAsWritten) {
    const TReplay written = SampleReplay();
    const std::string bytes = WriteReplay(written);
    EXPECT_LT(bytes.size(), 2000u) << "frames are stored as packed changes";
    // What was read, written again, gives the same bytes: no field is dropped on the way in.
    const TReplay read = ReadReplay(bytes, "r.kreplay");
    EXPECT_EQ(WriteReplay(read), bytes);
    EXPECT_EQ(read.profile, written.profile);
    EXPECT_EQ(read.start.car, written.start.car);
    ASSERT_EQ(read.frames.size(), written.frames.size());
    EXPECT_EQ(read.frames[500].health, 1000.0f);
    EXPECT_EQ(read.frames[650].aim, written.frames[650].aim);
    EXPECT_TRUE(ReadReplay(WriteReplay(TReplay()), "empty").frames.empty());
}

TEST(ReplayFile, RefusesOtherFilesAndDamage) {
    const std::string bytes = WriteReplay(SampleReplay());
    EXPECT_EQ(ErrorOf([] { ReadReplay("Version 3\n", "Config.cfg"); }),
              "Config.cfg is not a Kestrova replay");
    std::string newer = bytes;
    newer[16] = 2;
    EXPECT_EQ(ErrorOf([&] { ReadReplay(newer, "n"); }), "Replay n is of format 2; this game reads format 1");
    EXPECT_EQ(ErrorOf([&] { ReadReplay(bytes.substr(0, 40), "t"); }), "Replay t is damaged: cut short");
    EXPECT_EQ(ErrorOf([&] { ReadReplay(bytes.substr(0, bytes.size() - 3), "t"); }),
              "Replay t is damaged: its frames cannot be unpacked");
    std::string flipped = bytes;
    flipped[flipped.size() - 20] ^= 0x5a;
    EXPECT_EQ(ErrorOf([&] { ReadReplay(flipped, "t"); }).rfind("Replay t is damaged", 0), 0u);
}
