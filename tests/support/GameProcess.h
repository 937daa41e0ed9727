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
// the loose files beside it. The game's data folder is "data/" in it (its replays in
// "data/kestrova/replays/").
class TGameInstall {
public:
    TGameInstall();
    const std::string& Dir() const { return dir_.Path(); }
    const TTempDir& Files() const { return dir_; }
    TGameRun Run(const std::vector<std::string>& args, int timeoutSeconds = 60) const;

private:
    TTempDir dir_;
};

// Writes stage `stage` as loose files over the archive's: the start, then blocks `block` of the
// city set, the stage finishing at block `finish` (bridges, block 13, kill a car off the edge),
// with `seconds` on its clock. `player` adds lines to its [Player] section; `cars`, when given,
// is the body of a car type section of its traffic.
void WriteStage(const TGameInstall& game, int stage, int block, int finish, int seconds = 100,
                const std::string& player = "", const std::string& cars = "");

// Saves the settings with one profile, "ACE", on `stage` with `score` (0: a new player's).
void SaveProfile(const TGameInstall& game, int stage = 0, int score = 0);

// `--input` script lines: a left click at cursor (x, y) from `frame` on (three frames), and a
// key pressed in `frame` and released in the next.
std::string ClickAt(int frame, int x, int y);
std::string KeyAt(int frame, int key);
