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
