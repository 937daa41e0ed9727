// The handover between game frames and menu frames: the player's update ends a stage by
// opening a menu page, the menu starts or resumes one by clearing the flag.
#pragma once

#include <cstdint>

// Menu page numbers.
enum TMenuPageId {
    PAGE_MAIN = 0,
    PAGE_EXIT = 1,
    PAGE_OPTIONS = 2,
    PAGE_VIEW = 3,
    PAGE_SOUND = 4,
    PAGE_CONTROLS = 5,
    PAGE_PLAYERS = 6,
    PAGE_CREATE_PLAYER = 7,
    PAGE_DELETE_PLAYER = 8,
    PAGE_HIGH_SCORES = 9,
    PAGE_CLEAR_HIGH_SCORES = 10,
    PAGE_HELP = 11,
    PAGE_LAST_SCREEN = 12,
    PAGE_RESTART = 13,
    PAGE_PAUSE = 14,
    PAGE_STAGE_COMPLETE = 15,
    PAGE_LOAD = 16,
    PAGE_LOSE = 17,
    PAGE_STORY = 18,
    PAGE_FINAL = 19,
    PAGE_COUNTRY = 20,
    PAGE_SEND_HIGH_SCORE = 21,
    PAGE_CONNECTION = 22,
    PAGE_CONNECTION_FAILED = 23,
};

extern bool QuitFlag;
extern bool MenuActive;
extern int CurrentMenuPage;
extern bool RestartFlag;

// Advanced by every update of the game environment; zero at program start.
extern int64_t FrameCounter;
extern int64_t PlayTime; // ms
