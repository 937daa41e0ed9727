// Settings the game keeps beyond Config.cfg, whose layout stays as it is: "Additions.cfg"
// beside it, one KEY=VALUE line each, replaced whole when saved like the other settings files.
#pragma once

#include <string>

// The 3D scene's resolution as a share of the window's, 0.5 .. 1, or chosen by the game from
// its frame times ("auto").
struct TRenderScaleSetting {
    bool automatic = false;
    float scale = 1;

    bool operator==(const TRenderScaleSetting& other) const {
        return automatic == other.automatic && (automatic || scale == other.scale);
    }
};

constexpr float kMinRenderScale = 0.5f;

// "auto", or a decimal number from 0.5 to 1 with a '.'; false, leaving `setting` alone, for
// anything else.
bool ParseRenderScale(const std::string& text, TRenderScaleSetting& setting);

class TAdditions {
public:
    TRenderScaleSetting RenderScale; // 1: the picture as specified
    // Where the automatic scale stood when the game last ended: it starts there, rather than
    // at 1 and a few seconds of long frames on a machine that needs less.
    float AutoScale = 1;

    // Takes the file's values, or none: a line that does not read or a value out of range
    // leaves every default in place and returns false. A key it does not know is skipped.
    bool Load(const std::string& path);
    // False when the file cannot be written (the old one is kept).
    bool Save(const std::string& path) const;
};

// Loaded at start-up, before the menus that show it; the Graphics page changes it in place.
extern TAdditions* Additions;
