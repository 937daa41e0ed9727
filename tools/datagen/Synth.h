// Small building blocks for synthesised sound: oscillators, noise, filters, envelopes and mixing.
#pragma once

#include "Random.h"

#include <cstddef>
#include <vector>

using TSamples = std::vector<float>;

// A phase-accumulating oscillator; the frequency may change from sample to sample.
class TOscillator {
public:
    explicit TOscillator(int rate, double phase = 0) : rate_(rate), phase_(phase) {}
    double Sine(double frequency);
    double Saw(double frequency);
    double Square(double frequency, double duty = 0.5);
    double Triangle(double frequency);

private:
    double Advance(double frequency);
    int rate_;
    double phase_;
};

// Biquad filter (RBJ cookbook forms); the cutoff may be changed while running.
class TFilter {
public:
    enum class TKind { LowPass, HighPass, BandPass };
    TFilter(TKind kind, int rate, double cutoff, double q = 0.707);
    void SetCutoff(double cutoff);
    double Process(double x);

private:
    TKind kind_;
    int rate_;
    double q_;
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Linear attack, then exponential decay with time constant `decay` (seconds).
double Envelope(double t, double attack, double decay);
// Exponential glide from `from` to `to` with time constant `time`.
double Glide(double t, double from, double to, double time);

// Adds `source` × gain into `target` from `offset`; with `wrap` the part past the end continues at
// the start (for seamless loops), otherwise `target` grows to fit.
void MixInto(TSamples& target, const TSamples& source, double gain, size_t offset, bool wrap = false);
// Scales so that the loudest sample is `peak`.
void Normalise(TSamples& samples, double peak);
