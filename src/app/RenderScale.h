// The render scale: the share of the window's resolution the 3D scene is drawn at. Fixed, or
// automatic: then it follows the frame times alone, so that the 99th-percentile frame fits the
// budget (60 frames a second) - down quickly when frames run long, up slowly when they have
// room, and never more than one step in half a second.
#pragma once

#include <cstdint>
#include <deque>

#include "settings/Additions.h"

class TRenderScale {
public:
    static constexpr float kStep = 0.05f;
    // The frame budget: the refresh interval at 60 Hz, less what the buffer swap takes.
    static constexpr uint32_t kBudget = 15000; // microseconds

    // An automatic scale starts at `start`, on the nearest step.
    explicit TRenderScale(const TRenderScaleSetting& setting, float start = 1);

    // One frame that drew the scene took `microseconds`, from its start to its drawing done.
    void FrameDrawn(uint32_t microseconds);
    float Scale() const { return scale_; }
    bool Automatic() const { return automatic_; }

private:
    // The 99th percentile of the newest frames, up to `span` microseconds of them; 0 while
    // fewer than `least` have passed since the last step.
    uint32_t Percentile99(uint64_t span, uint64_t least) const;
    void Step(float by);

    bool automatic_;
    float scale_;
    std::deque<uint32_t> recent_; // frame times since the last step, the newest last
    uint64_t recentSum_ = 0;
};
