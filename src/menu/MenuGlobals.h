// What the menu's pages and widgets share: the two widget sounds, the pointer picture's
// choice, and the loading screen's picture and ready flag.
#pragma once

#include "platform/GamePads.h"

#include <string>

extern int HoverSound; // played when the pointer enters a widget
extern int ClickSound; // played when a widget is activated
// Cleared at the start of each menu frame; set by any widget drawn hovered.
extern bool PointerOverWidget;
// The picture of the stage being loaded, and whether that stage may start.
extern int LoadingPicture;
extern bool StageReady;
// Config.cfg's full name, set at start-up: the country page saves the filed score there.
extern std::string ConfigFile;

void PlayHoverSound();
void PlayClickSound();

// Key numbers the pages read.
constexpr int KEY_LEFT_BUTTON = 1;
constexpr int KEY_RIGHT_BUTTON = 2;
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_RETURN = 13;
constexpr int KEY_ESCAPE = 27;
// A game pad's A button clicks in the menus as the left button does.
constexpr int KEY_PAD_CLICK = platform::PAD_A;

// The left button's or the pad's click latch.
bool LeftClicked();
// Escape's latch, cleared when it is set: one press is used once.
bool EscapeUsed();

struct TGamePlayer;
// The current profile; a scratch one while none is current, so pages never index outside the table.
TGamePlayer& CurrentProfile();
// Clears all 256 key latches.
void ClearAllKeys();
