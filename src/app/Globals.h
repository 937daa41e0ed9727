// The frame loop's own state: steps, window size, pointer, music channels. The menu and game
// handover flags are in gameplay/GameState.h.
#pragma once

#include <cstdint>
#include <string>

#include "gameplay/GameState.h"
#include "platform/Platform.h"
#include "world/Camera.h"

// Where Config.cfg, keys.cfg and log.txt live (ProgramDir unless it is read-only or installed).
extern std::string SettingsDir;

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
