// Sound for the gameplay controllers.
#include "gameplay/GameContext.h"

#include "resources/SoundLib.h"

void PlayGameSound(const TGameContext& game, int sample) {
    if (SoundLib && sample > 0) SoundLib->Play(sample, game.soundVolume);
}
