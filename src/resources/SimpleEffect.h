// A sprite effect: a looping flip-book of textures with a fixed frame time.
#pragma once

#include <vector>

class TSimpleEffect {
public:
    // One texture: one frame of 1 ms.
    explicit TSimpleEffect(int texture) : frameTime_(1), frames_{texture} {}
    // `frameTime` above 0 and at least one frame, as the .eff reader guarantees.
    TSimpleEffect(int frameTime, std::vector<int> frames)
        : frameTime_(frameTime), frames_(std::move(frames)) {}

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    int FrameTime() const { return frameTime_; }
    // The texture shown at `age` ms: frame (age div frame time) mod frame count. A particle not
    // yet updated (age -1) shows frame 0.
    int FrameTexture(int age) const;

private:
    int frameTime_;
    std::vector<int> frames_;
};
