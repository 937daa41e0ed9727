// Watches the keyboard on the main page for the typed codes: "PWBJUQ" + a two-digit stage
// number jumps to that stage, "TAXHUDYC" makes the player's car all but indestructible.
#pragma once

#include <string>

constexpr int CHEAT_STAGE_CODES = 15; // codes 0..14 jump to stages 1..15
constexpr int CHEAT_HEALTH = 15;

class TCheatCode {
public:
    // Moves the latched monitored keys into the window of the last 8 characters (clearing
    // their latches) and returns the number of the code the window now spells, or -1.
    int Check();

private:
    std::string window_ = std::string(8, ' ');
};
