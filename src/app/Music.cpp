// Starts, levels and stops the two music channels as the frame loop switches between menu and game.
#include "app/Music.h"

#include "app/Globals.h"
#include "resources/SoundLib.h"

int MenuMusic = 0;
int GameMusic = 0;

namespace {

// Music keeps its own pitch: a tune started during slow motion would otherwise stay slowed.
void KeepPlaying(int music, int& channel, int musicVolume) {
    if (!SoundLib->IsPlaying(channel)) channel = SoundLib->PlayMusic(music, musicVolume);
    SoundLib->SetVolume(channel, musicVolume);
}

} // namespace

void MenuFrameMusic(int musicVolume) {
    if (MenuMusic != 0) KeepPlaying(MenuMusic, MenuMusicChannel, musicVolume);
    if (GameMusic != 0 && SoundLib->IsPlaying(GameMusicChannel)) SoundLib->Stop(GameMusicChannel);
}

void GameFrameMusic(int musicVolume) {
    if (MenuMusic != 0 && SoundLib->IsPlaying(MenuMusicChannel)) SoundLib->Stop(MenuMusicChannel);
    if (GameMusic != 0) KeepPlaying(GameMusic, GameMusicChannel, musicVolume);
}
