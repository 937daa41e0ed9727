// Limits the fuzz tests run their inputs under, so that a reader which damaged data makes
// loop or allocate without end fails the test quickly instead of taking the machine:
// - one input may use 1 s of processor time; past it the test aborts, naming the input;
// - the process may hold 1 GB of data (new and malloc alike). Under AddressSanitizer that
//   cap would break the sanitizer's own mappings, so there ASAN_OPTIONS sets it
//   (max_allocation_size_mb, hard_rss_limit_mb: see scripts/test).
#pragma once

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KESTROVA_FUZZ_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTROVA_FUZZ_UNDER_ASAN 1
#endif
#endif

namespace fuzzlimits {

constexpr long kSecondsPerInput = 1;
constexpr rlim_t kDataBytes = rlim_t{1} << 30;

inline char* InputName() {
    static char name[160];
    return name;
}

inline void OutOfTime(int) {
    static const char kText[] = "\nfuzz input over its time limit: ";
    [[maybe_unused]] ssize_t written = write(STDERR_FILENO, kText, sizeof kText - 1);
    written = write(STDERR_FILENO, InputName(), strlen(InputName()));
    written = write(STDERR_FILENO, "\n", 1);
    std::abort();
}

// Once per process, before the first input.
inline void CapMemory() {
#ifndef KESTROVA_FUZZ_UNDER_ASAN
    rlimit limit{};
    getrlimit(RLIMIT_DATA, &limit);
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > kDataBytes) {
        limit.rlim_cur = kDataBytes;
        setrlimit(RLIMIT_DATA, &limit);
    }
#endif
}

} // namespace fuzzlimits

// One input's processor-time limit, from construction to destruction.
class TFuzzInput {
public:
    explicit TFuzzInput(const std::string& name) {
        std::strncpy(fuzzlimits::InputName(), name.c_str(), 159);
        std::signal(SIGPROF, fuzzlimits::OutOfTime);
        Arm(fuzzlimits::kSecondsPerInput);
    }
    ~TFuzzInput() { Arm(0); }
    TFuzzInput(const TFuzzInput&) = delete;
    TFuzzInput& operator=(const TFuzzInput&) = delete;

private:
    static void Arm(long seconds) {
        itimerval timer{};
        timer.it_value.tv_sec = seconds;
        setitimer(ITIMER_PROF, &timer, nullptr);
    }
};
