// Data\Sounds: shots, hits, explosions, menu sounds and bonus pick-ups, synthesised as WAV.
#include "DataTree.h"
#include "Generators.h"
#include "Synth.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

constexpr int kRate = 22050;
using TFilterKind = TFilter::TKind;

// Samples of `seconds` length from `voice(t)`, t in seconds.
TSamples Render(double seconds, const std::function<double(double)>& voice) {
    TSamples s(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(voice(double(i) / kRate));
    return s;
}

// A gunshot: a crack of band-passed noise, a low thump and a short room tail.
TSamples Shot(double seconds, double crackHz, double crackDecay, double thumpHz, double thumpDecay,
              uint64_t seed) {
    TRandom random(seed);
    TOscillator thump(kRate);
    TFilter crack(TFilterKind::BandPass, kRate, crackHz, 0.8);
    TFilter tail(TFilterKind::LowPass, kRate, crackHz * 0.6);
    TSamples s = Render(seconds, [&](double t) {
        const double noise = random.Signed();
        const double c = crack.Process(noise) * Envelope(t, 0.001, crackDecay) * 2.5;
        const double body =
            thump.Sine(Glide(t, thumpHz * 2.2, thumpHz, 0.02)) * Envelope(t, 0.002, thumpDecay);
        const double room = tail.Process(noise) * Envelope(t, 0.01, crackDecay * 3) * 0.25;
        return c + body + room;
    });
    Normalise(s, 0.95);
    return s;
}

// A mechanical click (bolt, pump), `at` seconds into a sound.
void Click(TSamples& s, double at, double hz, double gain, uint64_t seed) {
    TRandom random(seed);
    TFilter f(TFilterKind::BandPass, kRate, hz, 3);
    MixInto(
        s,
        Render(0.05, [&](double t) { return f.Process(random.Signed()) * Envelope(t, 0.0005, 0.006) * 3; }),
        gain, static_cast<size_t>(at * kRate));
}

TSamples Shotgun() {
    TSamples s = Shot(0.65, 700, 0.09, 60, 0.16, 3);
    Click(s, 0.36, 2500, 0.5, 31);
    Click(s, 0.46, 1800, 0.6, 32);
    Normalise(s, 0.95);
    return s;
}

// Rocket launch: an ignition pop and a rising, fading whoosh.
TSamples RocketLaunch() {
    TRandom random(5);
    TFilter band(TFilterKind::BandPass, kRate, 400, 1.2);
    TFilter low(TFilterKind::LowPass, kRate, 300);
    TSamples s = Render(1.0, [&](double t) {
        const double n = random.Signed();
        band.SetCutoff(Glide(t, 300, 2400, 0.35));
        const double whoosh = band.Process(n) * Envelope(t, 0.03, 0.35) * 2;
        const double pop = low.Process(n) * Envelope(t, 0.001, 0.04) * 3;
        return whoosh + pop;
    });
    Normalise(s, 0.9);
    return s;
}

// Bullet on metal: inharmonic ringing partials over a noise tick.
TSamples Hit() {
    TRandom random(6);
    TOscillator partials[4] = {TOscillator(kRate), TOscillator(kRate, 0.3), TOscillator(kRate, 0.6),
                               TOscillator(kRate, 0.1)};
    const double hz[4] = {520, 1233, 1871, 2954}, decay[4] = {0.09, 0.06, 0.045, 0.03};
    TFilter tick(TFilterKind::HighPass, kRate, 3000);
    TSamples s = Render(0.35, [&](double t) {
        double v = tick.Process(random.Signed()) * Envelope(t, 0.0005, 0.005) * 1.5;
        for (int k = 0; k < 4; ++k)
            v += partials[k].Sine(hz[k]) * Envelope(t, 0.001, decay[k]) * (0.6 - k * 0.1);
        return v;
    });
    Normalise(s, 0.9);
    return s;
}

// A car blowing up: a deep boom, a closing roar of noise and crackling debris.
TSamples Explosion() {
    TRandom random(7), crackle(70);
    TOscillator sub(kRate);
    TFilter roar(TFilterKind::LowPass, kRate, 3000, 0.9);
    TSamples s = Render(1.8, [&](double t) {
        roar.SetCutoff(Glide(t, 3500, 180, 0.25));
        const double r = roar.Process(random.Signed()) * Envelope(t, 0.004, 0.45) * 1.6;
        const double boom = sub.Sine(Glide(t, 90, 32, 0.15)) * Envelope(t, 0.003, 0.35);
        const double c = crackle.Unit() < 0.004 * Envelope(t, 0.1, 0.4) ? crackle.Signed() * 0.8 : 0.0;
        return r + boom + c;
    });
    Normalise(s, 0.97);
    return s;
}

TSamples MenuHover() {
    TOscillator o(kRate);
    return Render(
        0.08, [&](double t) { return o.Sine(Glide(t, 1500, 900, 0.02)) * Envelope(t, 0.003, 0.02) * 0.5; });
}

TSamples MenuClick() {
    TRandom random(8);
    TOscillator o(kRate);
    TFilter f(TFilterKind::HighPass, kRate, 2000);
    return Render(0.09, [&](double t) {
        return (o.Square(1100) * 0.35 + f.Process(random.Signed()) * 0.5) * Envelope(t, 0.0005, 0.012) * 0.8;
    });
}

// A bell-like note (a sine with two soft overtones), `at` seconds into `s`.
void Chime(TSamples& s, double at, double hz, double gain, double decay = 0.25) {
    TOscillator a(kRate), b(kRate), c(kRate);
    MixInto(s,
            Render(decay * 5,
                   [&](double t) {
                       return (a.Sine(hz) + b.Sine(hz * 2.0) * 0.35 + c.Sine(hz * 3.01) * 0.15) *
                              Envelope(t, 0.004, decay);
                   }),
            gain, static_cast<size_t>(at * kRate));
}

double Note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Weapon pick-up: the bolt racked twice, then a rising two-note chime.
TSamples WeaponPickup(int firstNote, int secondNote, uint64_t seed) {
    TSamples s(static_cast<size_t>(0.9 * kRate), 0.0f);
    Click(s, 0.0, 1600, 0.8, seed);
    Click(s, 0.09, 2600, 0.7, seed + 1);
    Chime(s, 0.16, Note(firstNote), 0.4);
    Chime(s, 0.28, Note(secondNote), 0.45, 0.3);
    Normalise(s, 0.9);
    return s;
}

TSamples RocketsPickup() {
    TSamples s = RocketLaunch();
    for (float& v : s)
        v *= 0.5f;
    Chime(s, 0.10, Note(3), 0.35);
    Chime(s, 0.20, Note(7), 0.35);
    Chime(s, 0.30, Note(10), 0.4, 0.3);
    Normalise(s, 0.9);
    return s;
}

// Nitro: an engine revving up under a rising rush of air.
TSamples Nitro() {
    TRandom random(9);
    TOscillator engine(kRate), engine2(kRate, 0.5);
    TFilter tone(TFilterKind::LowPass, kRate, 600, 1.5), air(TFilterKind::BandPass, kRate, 500, 1.0);
    TSamples s = Render(1.2, [&](double t) {
        const double hz = Glide(t, 70, 260, 0.4);
        tone.SetCutoff(hz * 5);
        air.SetCutoff(Glide(t, 400, 4000, 0.5));
        const double e = tone.Process(engine.Saw(hz) + engine2.Saw(hz * 1.01)) * 0.6;
        const double a = air.Process(random.Signed()) * 1.2;
        return (e + a) * Envelope(t, 0.05, 0.45);
    });
    Normalise(s, 0.9);
    return s;
}

// Shield: a shimmering rising arpeggio of detuned pairs.
TSamples Shield() {
    TSamples s(static_cast<size_t>(1.2 * kRate), 0.0f);
    const int notes[4] = {-2, 2, 5, 10};
    for (int k = 0; k < 4; ++k) {
        TOscillator a(kRate), b(kRate), trem(kRate);
        const double hz = Note(notes[k] + 12);
        MixInto(s,
                Render(0.9,
                       [&](double t) {
                           return (a.Sine(hz) + b.Sine(hz * 1.006)) * (0.7 + 0.3 * trem.Sine(14)) *
                                  Envelope(t, 0.02, 0.25);
                       }),
                0.25, static_cast<size_t>(k * 0.07 * kRate));
    }
    Normalise(s, 0.85);
    return s;
}

// Ghost mode: a wavering voice sliding down, with breath.
TSamples Ghost() {
    TRandom random(10);
    TOscillator a(kRate), b(kRate), vibrato(kRate);
    TFilter breath(TFilterKind::BandPass, kRate, 900, 2);
    TSamples s = Render(1.4, [&](double t) {
        const double hz = Glide(t, 880, 330, 0.5) * (1 + 0.02 * vibrato.Sine(6));
        const double voice = a.Triangle(hz) * 0.6 + b.Sine(hz * 1.5) * 0.3;
        return (voice + breath.Process(random.Signed()) * 0.8) * Envelope(t, 0.15, 0.4);
    });
    Normalise(s, 0.85);
    return s;
}

// Money: two bright coin pings.
TSamples Money() {
    TSamples s(static_cast<size_t>(0.8 * kRate), 0.0f);
    Chime(s, 0.0, Note(14), 0.5, 0.08);
    Chime(s, 0.07, Note(19), 0.6, 0.22);
    Chime(s, 0.07, Note(19) * 2.76, 0.12, 0.06);
    Normalise(s, 0.9);
    return s;
}

} // namespace

void GenerateSounds(TDataTree& tree) {
    auto write = [&](const std::string& name, const TSamples& s) {
        tree.Wav("Data/Sounds/" + name, s, kRate);
    };
    write("Shoot_gun.WAV", Shot(0.35, 1600, 0.035, 130, 0.05, 1));
    write("Shoot_uzi.WAV", Shot(0.16, 2600, 0.02, 170, 0.03, 2));
    write("Shoot_assault.WAV", Shot(0.45, 950, 0.06, 90, 0.08, 4));
    write("Shoot_shotgun.WAV", Shotgun());
    write("Shoot_rocket.WAV", RocketLaunch());
    write("Hit.wav", Hit());
    write("npc_explosion.wav", Explosion());
    write("OnButton.WAV", MenuHover());
    write("Click.WAV", MenuClick());
    write("Bonus_uzi.wav", WeaponPickup(7, 14, 20));
    write("Bonus_assault.wav", WeaponPickup(3, 10, 22));
    write("Bonus_shotgun.wav", WeaponPickup(0, 7, 24));
    write("Bonus_rockets.wav", RocketsPickup());
    write("Bonus_nitro.WAV", Nitro());
    write("Bonus_shield.wav", Shield());
    write("Bonus_ghost.wav", Ghost());
    write("Bonus_money.wav", Money());
}
