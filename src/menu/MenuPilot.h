// The menu pilot of an `--autopilot` game: it goes through the menu pages as a player would,
// moving the pointer onto the buttons the last menu frame showed and clicking them, pressing
// keys and typing names one key at a time. It creates a profile when there is none, starts a
// new game, hurries each page between the stages on, leaves a lost game, files the score
// without sending it, and is finished once the main page is back after the game.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

class TMenuPilot {
public:
    static constexpr const char* kName = "PILOT";       // typed for a new profile
    static constexpr const char* kCountry = "KESTROVA"; // typed when the score is filed

    // One menu frame of the pilot's hands: they replace the keyboard snapshot `state`
    // (bit 7 = down) and the pointer (client pixels) for the page on screen.
    void Frame(uint8_t state[256], platform::TPoint& pointer);
    // The game is over and the main page is back.
    bool Finished() const { return finished_; }

private:
    struct TAction {
        std::string button; // clicked when not empty, with `key` held as well when set
        int key = 0;        // pressed alone when no button is named
    };

    TAction Choose();
    TAction MainPage();
    TAction PlayersPage() const;
    // The next key of `text`, then a click on `button`.
    TAction Type(const std::string& text, const std::string& button);
    // Moves the pointer onto the button, or clicks it once the pointer is there.
    void Click(const TAction& action, uint8_t state[256]);

    platform::TPoint pointer_{};
    bool pointerKnown_ = false;
    bool pressed_ = false; // a key or button went down in the last frame
    int page_ = -1;
    size_t typed_ = 0; // keys typed on this visit of the page
    bool started_ = false;
    bool finished_ = false;
};
