// Small building blocks for synthesised sound: oscillators, noise, filters, envelopes and mixing.
#include "Synth.h"

#include <algorithm>
#include <cmath>

double TOscillator::Advance(double frequency) {
    const double p = phase_;
    phase_ += frequency / rate_;
    phase_ -= std::floor(phase_);
    return p;
}

double TOscillator::Sine(double frequency) {
    return std::sin(2 * M_PI * Advance(frequency));
}

double TOscillator::Saw(double frequency) {
    // PolyBLEP keeps the edge from aliasing into a hiss at high notes.
    const double dt = frequency / rate_;
    const double p = Advance(frequency);
    double v = 2 * p - 1;
    if (p < dt) {
        const double t = p / dt;
        v -= t + t - t * t - 1;
    } else if (p > 1 - dt) {
        const double t = (p - 1) / dt;
        v -= t * t + t + t + 1;
    }
    return v;
}

double TOscillator::Square(double frequency, double duty) {
    const double p = Advance(frequency);
    return p < duty ? 1.0 : -1.0;
}

double TOscillator::Triangle(double frequency) {
    const double p = Advance(frequency);
    return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
}

TFilter::TFilter(TKind kind, int rate, double cutoff, double q) : kind_(kind), rate_(rate), q_(q) {
    SetCutoff(cutoff);
}

void TFilter::SetCutoff(double cutoff) {
    const double w = 2 * M_PI * std::clamp(cutoff, 10.0, rate_ * 0.45) / rate_;
    const double alpha = std::sin(w) / (2 * q_), c = std::cos(w);
    double b0, b1, b2;
    switch (kind_) {
    case TKind::LowPass: b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2; break;
    case TKind::HighPass: b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2; break;
    default: b0 = alpha, b1 = 0, b2 = -alpha; break;
    }
    const double a0 = 1 + alpha;
    b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0, a1_ = -2 * c / a0, a2_ = (1 - alpha) / a0;
}

double TFilter::Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
    return y;
}

double Envelope(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

double Glide(double t, double from, double to, double time) {
    return to + (from - to) * std::exp(-t / time);
}

void MixInto(TSamples& target, const TSamples& source, double gain, size_t offset, bool wrap) {
    if (!wrap && target.size() < offset + source.size()) target.resize(offset + source.size(), 0.0f);
    const size_t n = target.size();
    for (size_t i = 0; i < source.size(); ++i)
        target[(offset + i) % n] += static_cast<float>(source[i] * gain);
}

void Normalise(TSamples& samples, double peak) {
    float loudest = 0;
    for (float s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (float& s : samples)
            s = static_cast<float>(s * peak / loudest);
}
