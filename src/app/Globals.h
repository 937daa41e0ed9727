// Program-wide state shared by the frame loop, the window, the menu and the game.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

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

struct TViewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Directory of the executable with its trailing separator; every data path starts with it.
extern std::string ProgramDir;
// Where Config.cfg, keys.cfg and log.txt live (ProgramDir unless it is read-only).
extern std::string SettingsDir;

extern bool QuitFlag;
extern bool MenuActive;
extern int CurrentMenuPage;
extern bool RestartFlag;

extern uint32_t FrameStep;   // real ms of the last frame, clamped to 0..25
extern uint32_t TimeDivisor; // 1 normal .. 4 slow motion

extern int HalfWidth;
extern int HalfHeight;
extern float PixelScaleX;
extern float PixelScaleY;
extern TViewport Viewport;
extern platform::TPoint Cursor;
extern platform::TPoint MouseReference;

// Music handles and channels, owned by the sound library's users.
extern int MenuMusicChannel;
extern int GameMusicChannel;
