#include "menu/StageTally.h"

#include <gtest/gtest.h>

namespace {

struct TTallyRun {
    int32_t reward;
    int32_t score = 0;
    int64_t timeLeft;
    int frames = 0;
};

// Runs the tally to its last phase with steps taken in turn from `steps`, pressing Escape on
// every `escapeEvery`-th frame (0: never).
TTallyRun RunTally(int32_t reward, int64_t timeLeft, std::initializer_list<uint32_t> steps,
                   int escapeEvery = 0) {
    TStageTally tally;
    TTallyRun run{reward, 0, timeLeft};
    auto step = steps.begin();
    while (tally.Phase() < TStageTally::LastPhase && run.frames < 100000) {
        ++run.frames;
        const bool escape = escapeEvery > 0 && run.frames % escapeEvery == 0;
        tally.Advance(*step, escape, run.reward, run.score, run.timeLeft);
        if (++step == steps.end()) step = steps.begin();
    }
    return run;
}

} // namespace

TEST(StageTally, RewardAndTimeEndInTheScoreWhateverTheFrameSteps) {
    for (std::initializer_list<uint32_t> steps :
         {std::initializer_list<uint32_t>{25}, {7, 25, 3}, {0, 25}, {1000}}) {
        const TTallyRun run = RunTally(6000, 30000, steps);
        EXPECT_EQ(run.score, 6000 + 3000) << "first step " << *steps.begin();
        EXPECT_EQ(run.timeLeft, 0);
    }
}

TEST(StageTally, EscapeSkipsOnePhasePerPressWithTheSameResult) {
    const TTallyRun run = RunTally(6000, 30000, {25}, 1);
    EXPECT_EQ(run.frames, 8) << "eight presses leave phases 0..7";
    EXPECT_EQ(run.score, 9000);
}

TEST(StageTally, CountsUpVisiblyWhileItRuns) {
    TStageTally tally;
    int32_t reward = 2500, score = 0;
    int64_t timeLeft = 10050;
    for (int frame = 0; frame < 6; ++frame)
        tally.Advance(0, true, reward, score, timeLeft);
    ASSERT_EQ(tally.Phase(), 6);
    tally.Advance(1000, false, reward, score, timeLeft);
    EXPECT_EQ(reward, 1500) << "one point a millisecond";
    EXPECT_EQ(score, 1000);
    tally.Advance(0, true, reward, score, timeLeft);
    ASSERT_EQ(tally.Phase(), 7);
    tally.Advance(500, false, reward, score, timeLeft);
    EXPECT_EQ(tally.CountedTimePoints(), 502);
    EXPECT_EQ(tally.TimeTicks(), -502);
    EXPECT_FLOAT_EQ(tally.Fade(), 0.5f);
    // The carried halves add up to a point, which the shown time does not take.
    tally.Advance(100, false, reward, score, timeLeft);
    EXPECT_EQ(tally.CountedTimePoints(), 603);
    EXPECT_EQ(tally.TimeTicks(), -602);
}
