// Runs the real game executable from a scratch program directory, as a player would.
#pragma once

#include "support/TestFiles.h"

#include <string>
#include <vector>

struct TGameRun {
    bool exited = false; // false: killed after the time limit, or ended by a signal
    int status = -1;     // exit status when it exited
    std::string errors;  // what it wrote to stderr
};

// A program directory holding a copy of the executable and, when built, Data.dpg with
// the loose files beside it.
class TGameInstall {
public:
    TGameInstall();
    const std::string& Dir() const { return dir_.Path(); }
    const TTempDir& Files() const { return dir_; }
    TGameRun Run(const std::vector<std::string>& args, int timeoutSeconds = 60) const;

private:
    TTempDir dir_;
};
