// Pictures decoded on one worker thread while the main thread goes on loading and playing; the
// texture library uploads each when it is first needed. The worker runs only while there is work.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "resources/Textures.h"

// A picture ready for the upload: all its mipmap levels, or only the picture as it is when
// GLU must build them (sides beyond what the driver takes).
struct TDecodedPicture {
    bool ok = false; // false: the main thread loads it again and reports what is wrong
    int width = 0;   // the picture's own size
    int height = 0;
    bool opaque = false;
    bool levelsBuilt = false;   // false: `levels` holds only the picture, for GLU to build on
    std::vector<TImage> levels; // the first at power-of-two sides, the last 1 x 1
};

// What a held picture waits for: the game under way (its second frame or a stage load), or
// the menu's first showing.
enum class THold { None, UntilStarted, UntilMenuShown };

class TDecodeQueue {
public:
    // One picture asked for.
    struct TTicket {
        uint64_t id = 0;
        std::future<TDecodedPicture> result;
        bool Valid() const { return result.valid(); }
    };

    TDecodeQueue() = default;
    ~TDecodeQueue();
    TDecodeQueue(const TDecodeQueue&) = delete;
    TDecodeQueue& operator=(const TDecodeQueue&) = delete;

    // Queues `path` after the pictures asked for before it, to be decoded with its mipmap levels
    // when its sides' nearest powers of two are no greater than `maxSide`, the driver's largest.
    // A held picture waits for ReleaseHeld of its hold (or its Take), then comes after the
    // pictures not held.
    TTicket Decode(const std::string& path, int maxSide, THold hold = THold::None);
    // Lets the worker begin the pictures held until `hold`.
    void ReleaseHeld(THold hold);
    // The ticket's picture, once: decoded on this thread at once when the worker has not begun
    // it, so that a picture needed now never waits behind others; else waited for.
    TDecodedPicture Take(TTicket& ticket);
    // Drops the pictures not begun and waits for the worker to end (before the program ends).
    void Stop();

private:
    struct TJob {
        uint64_t id;
        THold hold;
        std::packaged_task<TDecodedPicture()> task;
    };
    void Work();
    // With the lock held: the first job the worker may begin.
    std::deque<TJob>::iterator NextJob();
    void StartWorker();

    std::mutex mutex_;
    std::condition_variable idle_;
    std::deque<TJob> jobs_;
    uint64_t nextId_ = 1;
    std::thread worker_;
    bool running_ = false;
    unsigned released_ = 1u << static_cast<int>(THold::None); // a bit for each hold let go
};

// Reads and decodes `path` with message boxes muted; the result says whether it worked.
TDecodedPicture DecodePicture(const std::string& path, int maxSide);
// A decoded picture made ready for the upload (`maxSide` as for Decode).
TDecodedPicture ReadyForUpload(TImage image, int maxSide);
