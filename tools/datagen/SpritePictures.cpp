// Data\Sprites: the flip-book effects (.eff) and their frame pictures.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

double SmoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// An .eff file: the frame time, then one frame file per line, relative to the .eff's folder.
// The game's line reader splits at CR and skips the byte after it, so lines end in CR LF.
void Effect(TDataTree& tree, const std::string& name, int frameTime, const std::vector<std::string>& frames) {
    std::string text = std::to_string(frameTime) + "\r\n";
    for (const std::string& frame : frames)
        text += frame + "\r\n";
    tree.Text("Data/Sprites/" + name, text);
}

std::string FrameName(const std::string& base, int frame) {
    return base + "_" + (frame < 10 ? "0" : "") + std::to_string(frame) + ".png";
}

// A puff of smoke: light grey so that the game's tint colours it; `grow` 0..1 swells and thins it.
void Puff(const TCanvas& c, uint64_t seed, double grow) {
    const TNoise noise(6, seed);
    const double half = c.Width() / 2.0;
    c.Shade([&](int x, int y) {
        const double u = (x + 0.5 - half) / half, v = (y + 0.5 - half) / half;
        const double n = noise.Fractal(x / half * 2 + 0.5, y / half * 2 + 0.5, 4);
        const double d = std::hypot(u, v) / (0.55 + 0.35 * grow) + (n - 0.5) * 0.7;
        const double density = (1 - SmoothStep(0.35, 1.0, d)) * (0.95 - 0.5 * grow);
        const double shade = 0.75 + 0.25 * n;
        return TColour{shade, shade, shade, density};
    });
}

void SmokeEffect(TDataTree& tree, const std::string& name, const std::string& base, int frames, int frameTime,
                 uint64_t seed) {
    std::vector<std::string> names;
    for (int f = 0; f < frames; ++f) {
        TCanvas c(64, 64);
        Puff(c, seed + f, frames > 1 ? double(f) / (frames - 1) : 0.3);
        names.push_back(FrameName(base, f));
        tree.Png("Data/Sprites/" + names.back(), c);
    }
    Effect(tree, name, frameTime, names);
}

// Blades and bits thrown up from grass; near white so the game's green tint shows.
void GrassEffect(TDataTree& tree) {
    std::vector<std::string> names;
    for (int f = 0; f < 2; ++f) {
        TCanvas c(64, 64);
        cairo_t* cr = c.Cr();
        TRandom random(300 + f);
        for (int k = 0; k < 14; ++k) {
            const double x = random.Range(12, 52), y = random.Range(14, 52);
            const double a = random.Range(0, 2 * M_PI), l = random.Range(5, 11);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + std::cos(a) * l, y + std::sin(a) * l);
        }
        c.SetColour({0.85, 1, 0.8, 0.95});
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        names.push_back(FrameName("grass", f));
        tree.Png("Data/Sprites/" + names.back(), c);
    }
    Effect(tree, "grass.eff", 100, names);
}

// A burning flare: hot core and flickering rays.
void FlareEffect(TDataTree& tree) {
    std::vector<std::string> names;
    for (int f = 0; f < 3; ++f) {
        TCanvas c(64, 64);
        cairo_t* cr = c.Cr();
        TRandom random(400 + f);
        c.Glow(32, 32, 31, TColour{1, 0.45, 0.2, 0.75});
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4 + random.Range(-0.15, 0.15), l = random.Range(18, 30);
            cairo_move_to(cr, 32, 32);
            cairo_line_to(cr, 32 + std::cos(a) * l, 32 + std::sin(a) * l);
        }
        c.SetColour({1, 0.85, 0.6, 0.8});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        c.Glow(32, 32, 12, palette::White);
        names.push_back(FrameName("flare", f));
        tree.Png("Data/Sprites/" + names.back(), c);
    }
    Effect(tree, "Flare.eff", 40, names);
}

void SnowEffect(TDataTree& tree) {
    TCanvas c(32, 32);
    cairo_t* cr = c.Cr();
    c.Glow(16, 16, 15, palette::White.WithAlpha(0.5));
    for (int k = 0; k < 3; ++k) {
        const double a = k * M_PI / 3;
        cairo_move_to(cr, 16 - std::cos(a) * 11, 16 - std::sin(a) * 11);
        cairo_line_to(cr, 16 + std::cos(a) * 11, 16 + std::sin(a) * 11);
    }
    c.SetColour(palette::White);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    tree.Png("Data/Sprites/snowflake.png", c);
    Effect(tree, "Snow.eff", 1000, {"snowflake.png"});
}

// Explosion flip-book: a white-hot fireball that swells, cools to orange and red, and leaves smoke.
void ExplosionEffect(TDataTree& tree) {
    constexpr int kFrames = 16;
    const TNoise noise(8, 0xE4B1);
    std::vector<std::string> names;
    for (int f = 0; f < kFrames; ++f) {
        const double t = double(f) / (kFrames - 1);
        TCanvas c(128, 128);
        const double radius = 0.35 + 0.6 * std::sqrt(t);
        c.Shade([&](int x, int y) {
            const double u = (x + 0.5 - 64) / 64, v = (y + 0.5 - 64) / 64;
            const double n = noise.Fractal(u * 2 + 4 + t * 0.8, v * 2 + 4 - t * 0.5, 4);
            const double d = std::hypot(u, v) / radius + (n - 0.5) * 0.8;
            const double body = 1 - SmoothStep(0.5, 1.0, d);
            // Heat: highest in the middle early on, gone by the end.
            const double heat = std::clamp((1 - d) * 1.6 - t * 1.3 + n * 0.4, 0.0, 1.0);
            const TColour smoke{0.22, 0.2, 0.2};
            TColour colour = heat > 0.5 ? TColour{1, 0.55, 0.12}.Mix({1, 0.97, 0.8}, (heat - 0.5) * 2)
                                        : smoke.Mix({1, 0.55, 0.12}, heat * 2);
            colour.a = body * (1 - SmoothStep(0.55, 1.0, t)) * (heat > 0 ? 1 : 0.85);
            return colour;
        });
        names.push_back(FrameName("expl", f));
        tree.Png("Data/Sprites/" + names.back(), c);
    }
    // Sixteen frames over the explosion's 1000 ms life.
    Effect(tree, "expl.eff", 63, names);
}

} // namespace

void GenerateSprites(TDataTree& tree) {
    SmokeEffect(tree, "smoke1.eff", "smoke", 4, 75, 500);
    // Rocket smoke lives 5 s: four frames let each puff swell and thin out over its life.
    SmokeEffect(tree, "rocketsmoke.eff", "rsmoke_a", 4, 1250, 600);
    SmokeEffect(tree, "rocketsmoke_2.eff", "rsmoke_b", 4, 1250, 700);
    SmokeEffect(tree, "rocketsmoke_3.eff", "rsmoke_c", 4, 1250, 800);
    SmokeEffect(tree, "smoke_frame.eff", "smoke_frame", 1, 1000, 900);
    GrassEffect(tree);
    FlareEffect(tree);
    SnowEffect(tree);
    ExplosionEffect(tree);
}
