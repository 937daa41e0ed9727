// The game frame's exception guard: an error raised by a controller costs the rest of that
// frame's update and nothing more. The first one of a stage is written to the log, so a
// fault that repeats every frame does not hide.
#pragma once

#include <functional>
#include <string>

class TUpdateGuard {
public:
    // `log` receives the line of the first error after each Reset.
    explicit TUpdateGuard(std::function<void(const std::string&)> log) : log_(std::move(log)) {}
    // Runs `update`; true when it finished, false when an error dropped its rest.
    bool Run(const std::function<void()>& update);
    // A new stage: its first error is logged again.
    void Reset() { logged_ = false; }

private:
    std::function<void(const std::string&)> log_;
    bool logged_ = false;
};
