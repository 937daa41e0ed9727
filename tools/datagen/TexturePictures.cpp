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

// Star-shaped burst of `rays` rays; used for flashes and sparks.
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

void Flashes(TDataTree& tree) {
    const TColour core{1, 0.97, 0.8}, edge{1, 0.62, 0.15};
    TCanvas big(64, 64);
    Burst(big, 7, 7, 31, 11, core, edge);
    tree.Png("Data/Textures/flash1.png", big);
    TCanvas small(64, 64);
    Burst(small, 5, 6, 22, 12, core, edge);
    tree.Png("Data/Textures/flash2.png", small);
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

// Round and soft, so it reads as a streak however the game stretches it along the shot.
void Tracer(TDataTree& tree) {
    TCanvas c(32, 32);
    c.Shade([](int x, int y) {
        const double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16) / 16;
        const double v = std::pow(std::max(0.0, 1 - d), 1.6);
        return TColour{1, 0.9 + 0.1 * v, 0.55 + 0.45 * v, v};
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
    Target(tree);
    LightSprite(tree, "back_light.png", palette::Amber);
    LightSprite(tree, "break_light.png", palette::Danger);
    Tracer(tree);
    Sparks(tree);
}
