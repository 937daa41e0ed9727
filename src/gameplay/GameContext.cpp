// Sound for the gameplay controllers.
#include "gameplay/GameContext.h"

#include "resources/SoundLib.h"

void PlayGameSound(const TGameContext& game, int sample) {
    if (SoundLib && sample > 0) SoundLib->Play(sample, game.soundVolume);
}

void PlayGameSound3D(const TGameContext& game, int sample, const TVector4& position) {
    if (SoundLib && sample > 0) SoundLib->Play3D(sample, position, game.soundVolume);
}
