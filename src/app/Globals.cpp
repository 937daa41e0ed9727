// The program-wide state, with its start values.
#include "app/Globals.h"

std::string SettingsDir;

uint32_t FrameStep = 0;
uint32_t TimeDivisor = 1;

int HalfWidth = 400;
int HalfHeight = 300;
float PixelScaleX = 2.0f / 800;
float PixelScaleY = 2.0f / 600;
TViewport Viewport;
platform::TPoint Cursor;
platform::TPoint MouseReference;

int MenuMusicChannel = -1;
int GameMusicChannel = -1;
