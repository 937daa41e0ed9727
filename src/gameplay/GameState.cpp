// The handover flags, with their start values.
#include "gameplay/GameState.h"

bool QuitFlag = false;
bool MenuActive = true;
int CurrentMenuPage = PAGE_MAIN;
bool RestartFlag = false;

int64_t FrameCounter = 0;
int64_t PlayTime = 0;
