// Data\Textures: car shadow, cloud shadows, muzzle flashes, shell, crosshair marker, light sprites,
// tracer streak and sparks.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

double SmoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A soft dark blob the length of a car, laid under every car.
void CarShadow(TDataTree& tree) {
    TCanvas c(64, 128);
    c.Shade([](int x, int y) {
        // Distance outside a rounded box, softened over 10 pixels.
        const double dx = std::max(0.0, std::abs(x + 0.5 - 32) - 16),
                     dy = std::max(0.0, std::abs(y + 0.5 - 64) - 46);
        const double d = std::sqrt(dx * dx + dy * dy);
        return palette::Black.WithAlpha(0.7 * (1 - SmoothStep(0, 12, d)));
    });
    tree.Png("Data/Textures/car_sh.png", c);
}

// Drifting cloud shadows laid over the road: dark colour, alpha where a cloud is. Tiles seamlessly.
void Clouds(TDataTree& tree) {
    TCanvas c(256, 256);
    const TNoise noise(8, 0xC10D5);
    c.Shade([&](int x, int y) {
        const double v = noise.Fractal(x / 32.0, y / 32.0, 5);
        return palette::Night.WithAlpha(0.5 * SmoothStep(0.48, 0.7, v));
    });
    tree.Tga("Data/Textures/Clouds.tga", c);
}

// Star-shaped burst of `rays` rays, for the hit sparks.
void Burst(const TCanvas& c, int rays, double inner, double outer, uint64_t seed, const TColour& core,
           const TColour& edge) {
    cairo_t* cr = c.Cr();
    const double cx = c.Width() / 2.0, cy = c.Height() / 2.0;
    TRandom random(seed);
    c.Glow(cx, cy, outer, edge.WithAlpha(0.6));
    cairo_new_path(cr);
    for (int k = 0; k < rays; ++k) {
        const double a = (k + random.Range(-0.2, 0.2)) * 2 * M_PI / rays;
        const double length = outer * random.Range(0.6, 1.0);
        cairo_line_to(cr, cx + std::cos(a) * length, cy + std::sin(a) * length);
        const double b = a + M_PI / rays;
        cairo_line_to(cr, cx + std::cos(b) * inner, cy + std::sin(b) * inner);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, outer);
    cairo_pattern_add_color_stop_rgba(p, 0, core.r, core.g, core.b, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.5, edge.r, edge.g, edge.b, 0.9);
    cairo_pattern_add_color_stop_rgba(p, 1, edge.r, edge.g, edge.b, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    c.Glow(cx, cy, inner * 1.6, core);
}

// A muzzle flash seen from above, bright enough to catch the eye against any ground: the game
// lays the picture's top edge at the muzzle, so the shot goes down it. `reach` scales the flames.
void MuzzleFlash(TDataTree& tree, const std::string& name, double reach, uint64_t seed) {
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    const double mx = 32, my = 4;
    const TColour core{1, 0.98, 0.85}, flame{1, 0.5, 0.08};
    c.Glow(mx, my + 20 * reach, 34 * reach, flame.WithAlpha(0.85));
    TRandom random(seed);
    cairo_new_path(cr);
    for (int k = 0; k <= 6; ++k) {
        // Rays fanned about the shot, the middle one longest.
        const double a = M_PI / 2 + (k - 3) * 0.42 + random.Range(-0.08, 0.08);
        const double length = 58 * reach * (k == 3 ? 1.0 : random.Range(0.45, 0.7));
        cairo_line_to(cr, mx + std::cos(a) * length, my + std::sin(a) * length);
        const double b = a + 0.21;
        cairo_line_to(cr, mx + std::cos(b) * 16 * reach, my + std::sin(b) * 16 * reach);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(mx, my, 0, mx, my, 58 * reach);
    cairo_pattern_add_color_stop_rgba(p, 0, core.r, core.g, core.b, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.45, flame.r, 0.75, 0.3, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, flame.r, flame.g, flame.b, 0.6);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    c.Glow(mx, my + 6, 16 * reach, core);
    tree.Png("Data/Textures/" + name, c);
}

// The flash's first 50 ms, then its last: a full burst, then a smaller one.
void Flashes(TDataTree& tree) {
    MuzzleFlash(tree, "flash2.png", 1.0, 12);
    MuzzleFlash(tree, "flash1.png", 0.75, 11);
}

// A spent brass casing.
void Shell(TDataTree& tree) {
    TCanvas c(32, 32);
    cairo_t* cr = c.Cr();
    c.RoundedPath(8, 11, 16, 10, 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 11, 0, 21);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.62, 0.42, 0.1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, 21, 11, 3, 10);
    c.SetColour({0.5, 0.32, 0.08});
    cairo_fill(cr);
    tree.Png("Data/Textures/shell.png", c);
}

// The aiming marker, drawn 48 x 48 around the aim point with (0, 0) at its lower-left.
void Target(TDataTree& tree) {
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    for (int pass = 0; pass < 2; ++pass) {
        c.SetColour(pass == 0 ? palette::Night.WithAlpha(0.8) : palette::Amber);
        cairo_set_line_width(cr, pass == 0 ? 6 : 3);
        cairo_new_path(cr);
        cairo_arc(cr, 32, 32, 19, 0, 2 * M_PI);
        cairo_stroke(cr);
        for (int k = 0; k < 4; ++k) {
            const double a = k * M_PI / 2;
            cairo_move_to(cr, 32 + std::cos(a) * 12, 32 + std::sin(a) * 12);
            cairo_line_to(cr, 32 + std::cos(a) * 29, 32 + std::sin(a) * 29);
        }
        cairo_stroke(cr);
    }
    cairo_arc(cr, 32, 32, 3, 0, 2 * M_PI);
    c.SetColour(palette::Danger);
    cairo_fill(cr);
    tree.Png("Data/Textures/target.png", c, TOrientation::FlipVertical);
}

void LightSprite(TDataTree& tree, const std::string& name, const TColour& colour) {
    TCanvas c(64, 64);
    c.Glow(32, 32, 31, colour);
    c.Glow(32, 32, 9, colour.Mix(palette::White, 0.7));
    tree.Png("Data/Textures/" + name, c);
}

// The streak of a shot, head at the top: a white-hot core across the middle of its width in an
// orange glow that reaches the edges, so it shows a few pixels wide on sand, snow and asphalt
// alike; it thins out towards the tail.
void Tracer(TDataTree& tree) {
    TCanvas c(32, 128);
    c.Shade([](int x, int y) {
        const double across = std::abs(x + 0.5 - 16) / 16, along = (y + 0.5) / 128;
        const double coreShare = 1 - SmoothStep(0.25, 0.5, across);
        const double body = 1 - SmoothStep(0.7, 1.0, across);
        const double tail = 1 - 0.7 * along;
        const TColour colour = TColour{1, 0.45, 0.08}.Mix({1, 0.98, 0.85}, coreShare);
        return colour.WithAlpha(std::max(coreShare, 0.9 * body) * tail);
    });
    tree.Png("Data/Textures/trasser.png", c);
}

// Hit sparks in three stages: bright burst, scattered, fading embers.
void Sparks(TDataTree& tree) {
    const TColour core{1, 1, 0.85}, edge{1, 0.55, 0.1};
    for (int stage = 1; stage <= 3; ++stage) {
        TCanvas c(64, 64);
        cairo_t* cr = c.Cr();
        TRandom random(100 + stage);
        if (stage == 1) Burst(c, 9, 5, 31, 21, core, edge);
        const int count = stage == 1 ? 8 : 14;
        for (int k = 0; k < count; ++k) {
            const double a = random.Range(0, 2 * M_PI), r = random.Range(6, 12) + stage * 6;
            const double x = 32 + std::cos(a) * r, y = 32 + std::sin(a) * r;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x - std::cos(a) * (10 - stage * 2.5), y - std::sin(a) * (10 - stage * 2.5));
        }
        c.SetColour(stage == 3 ? edge.WithAlpha(0.7) : core);
        cairo_set_line_width(cr, 3.4 - stage * 0.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        if (stage == 2) c.Glow(32, 32, 14, edge.WithAlpha(0.7));
        tree.Png("Data/Textures/spark" + std::to_string(stage) + ".png", c);
    }
}

} // namespace

void GenerateTextures(TDataTree& tree) {
    CarShadow(tree);
    Clouds(tree);
    Flashes(tree);
    Shell(tree);
    for (int detail : {1, 2}) {
        const TCanvasDetail pixels(detail); // the crosshair grows with the HUD
        Target(tree);
    }
    LightSprite(tree, "back_light.png", palette::Amber);
    LightSprite(tree, "break_light.png", palette::Danger);
    Tracer(tree);
    Sparks(tree);
}
