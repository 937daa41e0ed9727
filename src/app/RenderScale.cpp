// The automatic render scale. Its clock is the frames' own times, summed.
#include "app/RenderScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr uint64_t kHalfSecond = 500000;
constexpr uint64_t kSecond = 1000000;
// Going up waits this long at one scale, so that a step down is not undone by the next spike.
constexpr uint64_t kUpWait = 2 * kSecond;
// A frame this far over the budget takes a double step down.
constexpr float kFarOver = 1.3f;
// After a step up the frames must still fit with this much to spare, or the scale would swing.
constexpr float kUpMargin = 0.85f;

} // namespace

TRenderScale::TRenderScale(const TRenderScaleSetting& setting, float start)
    : automatic_(setting.automatic), scale_(setting.automatic ? start : setting.scale) {
    if (automatic_) Step(0);
}

void TRenderScale::FrameDrawn(uint32_t microseconds) {
    if (!automatic_) return;
    recent_.push_back(microseconds);
    recentSum_ += microseconds;
    if (recentSum_ < kHalfSecond) return;

    const uint32_t longFrame = Percentile99(kSecond, kHalfSecond);
    if (longFrame > kBudget && scale_ > kMinRenderScale) {
        Step(longFrame > kBudget * kFarOver ? -2 * kStep : -kStep);
        return;
    }
    // Drawing costs about the number of pixels, the square of the scale.
    const uint32_t settled = Percentile99(kUpWait, kUpWait);
    const float growth = (scale_ + kStep) / scale_;
    if (settled > 0 && scale_ < 1 && settled * growth * growth < kBudget * kUpMargin) Step(kStep);
    // Frames older than the longest look back no longer count.
    while (!recent_.empty() && recentSum_ - recent_.front() >= kUpWait) {
        recentSum_ -= recent_.front();
        recent_.pop_front();
    }
}

uint32_t TRenderScale::Percentile99(uint64_t span, uint64_t least) const {
    if (recentSum_ < least) return 0;
    std::vector<uint32_t> times;
    uint64_t sum = 0;
    for (auto frame = recent_.rbegin(); frame != recent_.rend() && sum < span; ++frame) {
        times.push_back(*frame);
        sum += *frame;
    }
    std::sort(times.begin(), times.end());
    return times[static_cast<size_t>(0.99 * (times.size() - 1))];
}

void TRenderScale::Step(float by) {
    // Whole steps from 1, so that the scale never drifts off them.
    const float steps = std::round((scale_ + by - kMinRenderScale) / kStep);
    scale_ = std::clamp(kMinRenderScale + steps * kStep, kMinRenderScale, 1.0f);
    recent_.clear();
    recentSum_ = 0;
}
