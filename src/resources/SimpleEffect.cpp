// A sprite effect: a looping flip-book of textures with a fixed frame time.
#include "resources/SimpleEffect.h"

int TSimpleEffect::FrameTexture(int age) const {
    const int frame = (age < 0 ? 0 : age / frameTime_) % FrameCount();
    return frames_[frame];
}
