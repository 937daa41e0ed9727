// Data\Music: loops made by a small pattern sequencer (drums, bass, pad, lead), Ogg Vorbis.
//
// A track is a number of bars in sections of eight (intro, verse, chorus, breakdown). Every voice
// is mixed into loop-length buses with wrap-around, so the tails of the last bar sound over the
// first one and the file loops without a seam.
#include "DataTree.h"
#include "Generators.h"
#include "Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kSteps = 16; // sixteenth notes per bar
constexpr int kScale[7] = {0, 2, 3, 5, 7, 8, 10};

enum class TSection { Intro, Verse, Chorus, Breakdown };

struct TTrackStyle {
    const char* file;
    int bpm;
    int root;                       // MIDI note of the key's tonic in the bass octave
    int bars;                       // a multiple of 8
    std::array<int, 4> progression; // scale degrees of the chords, one per bar
    const char* kick;
    const char* snare;
    const char* hat;
    const char* bass; // 'r' root, 'o' octave up, 'f' fifth, '.' rest
    double leadDensity;
    std::vector<TSection> sections;
    uint64_t seed;
};

double Frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// MIDI note of scale index `i` (7 per octave) above `root`.
int ScaleNote(int root, int i) {
    const int octave = (i >= 0 ? i / 7 : (i - 6) / 7);
    return root + 12 * octave + kScale[i - octave * 7];
}

class TSequencer {
public:
    explicit TSequencer(const TTrackStyle& style)
        : style_(style), stepSamples_(static_cast<size_t>(std::lround(kRate * 15.0 / style.bpm))),
          length_(stepSamples_ * kSteps * style.bars), drums_(length_), bass_(length_), pad_(length_),
          lead_(length_), random_(style.seed) {}

    std::vector<float> Render() {
        const auto verse = Phrase(), chorus = Phrase();
        for (int bar = 0; bar < style_.bars; ++bar) {
            const TSection section = style_.sections[(bar / 8) % style_.sections.size()];
            const int chord = style_.progression[bar % 4];
            const bool fill = bar % 8 == 7;
            Drums(bar, section, fill);
            if (section != TSection::Intro || bar % 8 >= 4) Bass(bar, chord, section);
            Pad(bar, chord, section == TSection::Breakdown ? 0.5 : 0.32);
            if (section == TSection::Verse || section == TSection::Chorus)
                Lead(bar, section == TSection::Verse ? verse : chorus, section == TSection::Chorus ? 12 : 0);
        }
        return Mix();
    }

private:
    using TPhrase =
        std::vector<std::pair<int, int>>; // per step of four bars: (scale index, length); length 0 = rest

    size_t At(int bar, int step) const { return (static_cast<size_t>(bar) * kSteps + step) * stepSamples_; }

    TSamples Voice(double seconds, const std::function<double(double)>& f) {
        TSamples s(static_cast<size_t>(seconds * kRate));
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<float>(f(double(i) / kRate));
        return s;
    }

    void Kick(size_t at, double gain) {
        TOscillator o(kRate);
        MixInto(
            drums_,
            Voice(0.35, [&](double t) { return o.Sine(Glide(t, 160, 45, 0.03)) * Envelope(t, 0.001, 0.12); }),
            gain, at, true);
    }

    void Snare(size_t at, double gain) {
        TOscillator o(kRate);
        TFilter f(TFilter::TKind::BandPass, kRate, 1900, 0.7);
        MixInto(drums_,
                Voice(0.25,
                      [&](double t) {
                          return (f.Process(random_.Signed()) * 1.8 + o.Sine(190) * 0.5) *
                                 Envelope(t, 0.001, 0.07);
                      }),
                gain, at, true);
    }

    void Hat(size_t at, double gain, bool open) {
        TFilter f(TFilter::TKind::HighPass, kRate, 7000);
        MixInto(hats_,
                Voice(open ? 0.3 : 0.08,
                      [&](double t) {
                          return f.Process(random_.Signed()) * Envelope(t, 0.0005, open ? 0.09 : 0.018);
                      }),
                gain, at, true);
    }

    void Drums(int bar, TSection section, bool fill) {
        for (int s = 0; s < kSteps; ++s) {
            const size_t at = At(bar, s);
            if (section != TSection::Breakdown && style_.kick[s] == 'x') Kick(at, 0.9);
            if (section != TSection::Intro && style_.snare[s] == 'x') Snare(at, 0.45);
            if (fill && s >= 12 && section != TSection::Breakdown) Snare(at, 0.2 + 0.06 * (s - 12));
            if (style_.hat[s] == 'x' || style_.hat[s] == 'o')
                Hat(at, s % 4 == 2 ? 0.22 : 0.14, style_.hat[s] == 'o');
        }
    }

    void Bass(int bar, int chord, TSection section) {
        for (int s = 0; s < kSteps; ++s) {
            const char c = style_.bass[s];
            if (c == '.') continue;
            int length = 1;
            while (s + length < kSteps && style_.bass[s + length] == '-')
                ++length;
            const int root = ScaleNote(style_.root, chord);
            const int midi = c == 'o' ? root + 12 : c == 'f' ? ScaleNote(style_.root, chord + 4) : root;
            const double seconds = length * stepSamples_ / double(kRate);
            TOscillator saw(kRate), sub(kRate);
            TFilter f(TFilter::TKind::LowPass, kRate, 800, 1.2);
            const double hz = Frequency(midi);
            const double bright = section == TSection::Chorus ? 1.6 : 1.0;
            MixInto(bass_,
                    Voice(seconds + 0.05,
                          [&](double t) {
                              f.SetCutoff(hz * (1.5 + 6 * bright * Envelope(t, 0.002, 0.08)));
                              const double gate = t < seconds ? 1.0 : std::exp(-(t - seconds) / 0.01);
                              return (f.Process(saw.Saw(hz)) * 0.7 + sub.Sine(hz / 2) * 0.5) * gate *
                                     std::min(1.0, t / 0.003);
                          }),
                    0.5, At(bar, s), true);
        }
    }

    void Pad(int bar, int chord, double gain) {
        const double seconds = kSteps * stepSamples_ / double(kRate);
        for (int k = 0; k < 3; ++k) {
            const double hz = Frequency(ScaleNote(style_.root + 12, chord + 2 * k));
            TOscillator a(kRate, 0.1 * k), b(kRate, 0.5 + 0.1 * k);
            TFilter f(TFilter::TKind::LowPass, kRate, 1400, 0.8);
            MixInto(pad_,
                    Voice(seconds + 0.3,
                          [&](double t) {
                              const double env = std::min(1.0, t / 0.25) *
                                                 (t < seconds ? 1.0 : std::exp(-(t - seconds) / 0.1));
                              return f.Process(a.Saw(hz * 0.997) + b.Saw(hz * 1.003)) * env;
                          }),
                    gain * 0.18, At(bar, 0), true);
        }
    }

    // A four-bar melody over the progression: chord tones on strong steps, a walking contour.
    TPhrase Phrase() {
        TPhrase phrase(4 * kSteps, {0, 0});
        int position = 7 + random_.Below(3);
        for (int step = 0; step < 4 * kSteps;) {
            const int chord = style_.progression[step / kSteps];
            const bool strong = step % 4 == 0;
            const int length = strong ? (random_.Unit() < 0.5 ? 2 : 4) : (random_.Unit() < 0.7 ? 1 : 2);
            if (random_.Unit() < style_.leadDensity + (strong ? 0.3 : 0.0)) {
                position += random_.Below(5) - 2;
                position = std::clamp(position, 4, 13);
                if (strong) {
                    // Snap to the nearest chord tone.
                    int best = position;
                    for (int d = 0; d < 4; ++d)
                        for (int sign : {1, -1})
                            if (((position + sign * d - chord) % 7 + 7) % 7 % 2 == 0 &&
                                ((position + sign * d - chord) % 7 + 7) % 7 != 6) {
                                best = position + sign * d;
                                d = 4;
                                break;
                            }
                    position = best;
                }
                phrase[step] = {position, std::min(length, 4 * kSteps - step)};
            }
            step += length;
        }
        return phrase;
    }

    void Lead(int bar, const TPhrase& phrase, int octave) {
        const int offset = (bar % 4) * kSteps;
        for (int s = 0; s < kSteps; ++s) {
            const auto [index, length] = phrase[offset + s];
            if (length == 0) continue;
            const double hz = Frequency(ScaleNote(style_.root + 24 + octave, index));
            const double seconds = length * stepSamples_ / double(kRate) * 0.9;
            TOscillator pulse(kRate), saw(kRate), vibrato(kRate);
            TFilter f(TFilter::TKind::LowPass, kRate, hz * 4, 1.0);
            MixInto(lead_,
                    Voice(seconds + 0.15,
                          [&](double t) {
                              const double v = 1 + 0.006 * vibrato.Sine(5.5) * std::min(1.0, t / 0.2);
                              const double env = std::min(1.0, t / 0.008) *
                                                 (t < seconds ? 1.0 - 0.3 * std::min(1.0, t / 0.4)
                                                              : 0.7 * std::exp(-(t - seconds) / 0.05));
                              return f.Process(pulse.Square(hz * v, 0.3) * 0.5 +
                                               saw.Saw(hz * v * 1.004) * 0.5) *
                                     env;
                          }),
                    0.22, At(bar, s), true);
        }
    }

    std::vector<float> Mix() {
        // Ping-pong echo of the lead, a dotted eighth apart, run twice round the loop so that
        // its start already hears the echoes of its end.
        const size_t delay = stepSamples_ * 3;
        TSamples echoLeft(length_), echoRight(length_);
        for (int pass = 0; pass < 2; ++pass)
            for (size_t i = 0; i < length_; ++i) {
                const size_t j = (i + length_ - delay) % length_;
                echoLeft[i] = 0.45f * echoRight[j];
                echoRight[i] = 0.45f * (lead_[j] + echoLeft[j]);
            }
        std::vector<float> out(length_ * 2);
        for (size_t i = 0; i < length_; ++i) {
            const float centre = drums_[i] + bass_[i];
            out[2 * i] = centre + 0.85f * hats_[i] + pad_[i] + 0.9f * lead_[i] + echoLeft[i];
            out[2 * i + 1] = centre + 1.0f * hats_[i] + pad_[i] + 0.7f * lead_[i] + echoRight[i];
        }
        Normalise(out, 0.89);
        return out;
    }

    const TTrackStyle& style_;
    size_t stepSamples_, length_;
    TSamples drums_, bass_, pad_, lead_, hats_ = TSamples(length_);
    TRandom random_;
};

using S = TSection;

// The menu theme and five stage tracks; missions name the stage tracks in their Music key.
const std::vector<TTrackStyle>& Styles() {
    static const std::vector<TTrackStyle> styles = {
        {"MENU_K_V.ogg",
         96,
         38,
         32,
         {0, 5, 2, 6},
         "x.........x.....",
         "....x.......x...",
         "..x...x...x...x.",
         "r-----..r-o-f-..",
         0.25,
         {S::Intro, S::Verse, S::Breakdown, S::Chorus},
         101},
        {"Stage1.ogg",
         126,
         33,
         48,
         {0, 5, 3, 4},
         "x...x...x...x...",
         "....x.......x...",
         "x.x.x.x.x.x.x.xo",
         "r.rr.or.r.rr.of.",
         0.45,
         {S::Intro, S::Verse, S::Chorus, S::Verse, S::Breakdown, S::Chorus},
         202},
        {"Stage2.ogg",
         132,
         40,
         40,
         {0, 3, 5, 4},
         "x..x..x...x..x..",
         "....x.......x..x",
         "xxxxxxxxxxxxxxxx",
         "r.r.o.r.r.r.o.f.",
         0.5,
         {S::Intro, S::Verse, S::Chorus, S::Breakdown, S::Chorus},
         303},
        {"Stage3.ogg",
         140,
         36,
         48,
         {0, 6, 5, 6},
         "x...x...x...x..x",
         "....x.......x...",
         ".x.x.x.x.x.x.x.o",
         "rrorrorrrrorrfro",
         0.55,
         {S::Intro, S::Verse, S::Chorus, S::Verse, S::Breakdown, S::Chorus},
         404},
        {"Stage4.ogg",
         118,
         42,
         40,
         {0, 2, 3, 4},
         "x.....x.x.......",
         "....x.......x...",
         "x.xox.x.x.xox.x.",
         "r--.r.f-r--.o-f.",
         0.4,
         {S::Intro, S::Verse, S::Breakdown, S::Chorus, S::Chorus},
         505},
        {"Stage5.ogg",
         150,
         43,
         56,
         {0, 5, 6, 4},
         "x...x...x...x...",
         "....x.......x.x.",
         "xoxoxoxoxoxoxoxo",
         "r.o.r.o.r.o.f.o.",
         0.6,
         {S::Intro, S::Verse, S::Chorus, S::Breakdown, S::Verse, S::Chorus, S::Chorus},
         606},
    };
    return styles;
}

} // namespace

void GenerateMusic(TDataTree& tree) {
    const auto& styles = Styles();
    std::vector<std::vector<float>> rendered(styles.size());
    // Synthesis is independent per track: two workers for the two cores the build machines have.
    auto work = [&](size_t first) {
        for (size_t i = first; i < styles.size(); i += 2)
            rendered[i] = TSequencer(styles[i]).Render();
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    for (size_t i = 0; i < styles.size(); ++i)
        tree.Ogg(std::string("Data/Music/") + styles[i].file, rendered[i], kRate, 0.3);
}
