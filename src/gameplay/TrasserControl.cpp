// Tracers: their records and clocks.
#include "gameplay/TrasserControl.h"

#include "core/Random.h"
#include "gameplay/Aim.h"
#include "resources/Matrix.h"

void TTrasserControl::AddTracer(const TVector4& from, const TVector4& to, bool line, int life,
                                int sparkTime) {
    TTracer tracer;
    tracer.from = from;
    tracer.to = to;
    tracer.line = line;
    tracer.life = life;
    tracer.sparkTime = sparkTime;
    tracer.length = Distance(from, to) / 3;
    const float t = EffectRandom(700) / 1000.0f;
    tracer.streak = Add(from, Scale(Subtract(to, from), t));
    tracer.angle = TurnFromAhead(from, to) * kDegreesPerRadian;
    tracers_.push_back(tracer);
}

void TTrasserControl::Update(int dt) {
    for (size_t i = 0; i < tracers_.size();) {
        TTracer& tracer = tracers_[i];
        tracer.life -= dt;
        if (tracer.life > 0) tracer.sparkTime -= dt;
        if (tracer.life < 1) {
            tracer = tracers_.back();
            tracers_.pop_back();
        } else {
            ++i;
        }
    }
}
