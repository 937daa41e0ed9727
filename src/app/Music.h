// The music of the frame loop: menu music in menu frames, the stage's music in game frames.
#pragma once

// Sample handles of the two tunes, 0 while none is loaded (the menu and the mission loader
// load them); their channels are MenuMusicChannel and GameMusicChannel.
extern int MenuMusic;
extern int GameMusic;

// Called by the frame loop before the menu or the game runs; `musicVolume` is the setting, 0..255.
void MenuFrameMusic(int musicVolume);
void GameFrameMusic(int musicVolume);
