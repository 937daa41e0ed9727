// The decoding worker: a queue of pictures, first in first out, and the decode of one.
#include "resources/DecodeQueue.h"

#include "platform/Platform.h"
#include "resources/Mipmaps.h"

namespace {

bool IsOpaque(const TImage& image) {
    if (image.components != 4) return true;
    for (size_t i = 3; i < image.pixels.size(); i += 4)
        if (image.pixels[i] != 255) return false;
    return true;
}

} // namespace

TDecodedPicture DecodePicture(const std::string& path, int maxSide) {
    const platform::TMutedMessages muted;
    TImage image;
    try {
        if (!LoadImage(path, image)) return {};
    } catch (...) {
        // The main thread loads it again and raises the error in its place.
        return {};
    }
    return ReadyForUpload(std::move(image), maxSide);
}

TDecodedPicture ReadyForUpload(TImage image, int maxSide) {
    TDecodedPicture picture;
    picture.ok = true;
    picture.width = image.width;
    picture.height = image.height;
    picture.opaque = IsOpaque(image);
    if (PowerOfTwoSide(image.width) <= maxSide && PowerOfTwoSide(image.height) <= maxSide) {
        picture.levels = BuildMipmaps(std::move(image));
        picture.levelsBuilt = true;
    } else {
        picture.levels.push_back(std::move(image));
    }
    return picture;
}

TDecodeQueue::~TDecodeQueue() {
    WaitIdle();
}

std::future<TDecodedPicture> TDecodeQueue::Decode(const std::string& path, int maxSide) {
    std::packaged_task<TDecodedPicture()> job([path, maxSide] { return DecodePicture(path, maxSide); });
    std::future<TDecodedPicture> result = job.get_future();
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(std::move(job));
    if (!running_) {
        // A worker that has ended only waits to be joined.
        if (worker_.joinable()) worker_.join();
        running_ = true;
        worker_ = std::thread(&TDecodeQueue::Work, this);
    }
    return result;
}

void TDecodeQueue::WaitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !running_; });
    if (worker_.joinable()) worker_.join();
}

void TDecodeQueue::Work() {
    for (;;) {
        std::packaged_task<TDecodedPicture()> job;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (jobs_.empty()) {
                running_ = false;
                idle_.notify_all();
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}
