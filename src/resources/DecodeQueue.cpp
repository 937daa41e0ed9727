// The decoding worker: a queue of pictures, first in first out, and the decode of one.
#include "resources/DecodeQueue.h"

#include "platform/Platform.h"
#include "resources/Mipmaps.h"

#include <algorithm>

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
    if (NearestPowerOfTwo(image.width) <= maxSide && NearestPowerOfTwo(image.height) <= maxSide) {
        picture.levels = BuildMipmaps(std::move(image));
        picture.levelsBuilt = true;
    } else {
        picture.levels.push_back(std::move(image));
    }
    return picture;
}

TDecodeQueue::~TDecodeQueue() {
    Stop();
}

TDecodeQueue::TTicket TDecodeQueue::Decode(const std::string& path, int maxSide, THold hold) {
    TJob job{0, hold,
             std::packaged_task<TDecodedPicture()>([path, maxSide] { return DecodePicture(path, maxSide); })};
    TTicket ticket{0, job.task.get_future()};
    const std::lock_guard<std::mutex> lock(mutex_);
    ticket.id = job.id = nextId_++;
    jobs_.push_back(std::move(job));
    if (!running_ && NextJob() != jobs_.end()) StartWorker();
    return ticket;
}

void TDecodeQueue::ReleaseHeld(THold hold) {
    const std::lock_guard<std::mutex> lock(mutex_);
    released_ |= 1u << static_cast<int>(hold);
    if (!running_ && NextJob() != jobs_.end()) StartWorker();
}

std::deque<TDecodeQueue::TJob>::iterator TDecodeQueue::NextJob() {
    const auto next =
        std::find_if(jobs_.begin(), jobs_.end(), [](const TJob& job) { return job.hold == THold::None; });
    if (next != jobs_.end()) return next;
    return std::find_if(jobs_.begin(), jobs_.end(),
                        [this](const TJob& job) { return released_ & (1u << static_cast<int>(job.hold)); });
}

void TDecodeQueue::StartWorker() {
    // A worker that has ended only waits to be joined.
    if (worker_.joinable()) worker_.join();
    running_ = true;
    worker_ = std::thread(&TDecodeQueue::Work, this);
}

TDecodedPicture TDecodeQueue::Take(TTicket& ticket) {
    std::packaged_task<TDecodedPicture()> task;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (auto job = jobs_.begin(); job != jobs_.end(); ++job) {
            if (job->id == ticket.id) {
                task = std::move(job->task);
                jobs_.erase(job);
                break;
            }
        }
    }
    if (task.valid()) task();
    return ticket.result.get();
}

void TDecodeQueue::Stop() {
    std::unique_lock<std::mutex> lock(mutex_);
    jobs_.clear();
    idle_.wait(lock, [this] { return !running_; });
    if (worker_.joinable()) worker_.join();
}

void TDecodeQueue::Work() {
    for (;;) {
        std::packaged_task<TDecodedPicture()> task;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            const auto next = NextJob();
            if (next == jobs_.end()) {
                running_ = false;
                idle_.notify_all();
                return;
            }
            task = std::move(next->task);
            jobs_.erase(next);
        }
        task();
    }
}
