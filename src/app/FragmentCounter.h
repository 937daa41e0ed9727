// The benchmark's fragment counts (--fragments=FILE): an occlusion query around each pass of a
// frame, one line per frame of "pass=fragments" pairs. Not part of a normal run: without the
// option nothing is counted and CountPass does nothing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

class TFragmentCounter {
public:
    // False when the driver has no occlusion queries or the file cannot be written.
    bool Open(const std::string& file);
    ~TFragmentCounter();

    // Ends the pass under way and counts what follows as `pass`.
    void Pass(const char* pass);
    // Ends the frame's last pass and writes the frame's line.
    void EndFrame();

private:
    void EndPass();

    FILE* file_ = nullptr;
    uint32_t query_ = 0;
    const char* pass_ = nullptr;
    std::vector<std::pair<const char*, uint64_t>> counts_; // this frame's, in drawing order
};

// Set by start-up only for --fragments.
extern TFragmentCounter* FragmentCounter;

// Counts what follows as `pass`, when counting.
inline void CountPass(const char* pass) {
    if (FragmentCounter) FragmentCounter->Pass(pass);
}
