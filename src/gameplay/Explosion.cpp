// The explosion effect.
#include "gameplay/Explosion.h"

#include "core/Random.h"
#include "resources/Effects.h"
#include "resources/Glow.h"

void SpawnExplosion(const TGameContext& game, const TVector4& position) {
    const TVector4 p{position.x, position.y, position.z + 4, position.w};
    const float size = static_cast<float>(EffectRandom(8));
    if (game.glows) game.glows->Add(600, p, true, {0.2f, 0.1f, 0.0f, 1.0f}, size);
    const float alpha = EffectRandom(1000) / 1000.0f;
    if (game.effects && game.sprites.explosion)
        game.effects->AddParticle(game.sprites.explosion, p, true, {1, 1, 1, alpha}, {}, size, 1000);
}
