// Full-screen JPGs: the menu splash at dusk, the story picture at dawn and the final picture at
// sunset, all views of the highway with our pickup on it.
#include "Canvas.h"
#include "DataTree.h"
#include "Emblem.h"
#include "Generators.h"
#include "Noise.h"
#include "PlayerPictures.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024, kHeight = 768;

struct TScene {
    double horizon = 0.52; // fraction of the height
    TColour skyTop = palette::Night, skyMid = palette::Indigo, skyLow = palette::Dusk,
            glow = palette::Horizon;
    double curve = 0; // bend of the road towards the horizon, -1..1
    uint64_t seed = 1;
};

void Sky(const TCanvas& c, const TScene& s) {
    const double h = s.horizon;
    c.VerticalGradient(
        {{0, s.skyTop}, {h * 0.55, s.skyMid}, {h * 0.9, s.skyLow}, {h, s.glow}, {1, palette::Night}});
    c.Glow(kWidth * (0.5 + s.curve * 0.2), kHeight * h, kWidth * 0.45, s.glow.WithAlpha(0.55));
    TRandom random(s.seed);
    cairo_t* cr = c.Cr();
    for (int k = 0; k < 90; ++k) {
        const double x = random.Range(0, kWidth), y = random.Range(0, kHeight * h * 0.6);
        cairo_rectangle(cr, x, y, 1.5, 1.5);
    }
    c.SetColour(palette::Paper.WithAlpha(0.55));
    cairo_fill(cr);
}

// Hills and a far city along the horizon, in silhouette.
void Skyline(const TCanvas& c, const TScene& s) {
    cairo_t* cr = c.Cr();
    const double base = kHeight * s.horizon;
    const TNoise noise(16, s.seed + 7);
    cairo_move_to(cr, 0, base);
    for (int x = 0; x <= kWidth; x += 4)
        cairo_line_to(cr, x, base - 20 - 70 * noise.Fractal(x / 128.0, 0.5, 3));
    cairo_line_to(cr, kWidth, base);
    cairo_close_path(cr);
    c.SetColour(s.skyLow.Mix(palette::Night, 0.75));
    cairo_fill(cr);
    TRandom random(s.seed + 3);
    for (int k = 0; k < 40; ++k) {
        const double w = random.Range(8, 26), h = random.Range(10, 60), x = random.Range(0, kWidth);
        cairo_rectangle(cr, x, base - h, w, h);
    }
    c.SetColour(palette::Night.Mix(s.skyLow, 0.2));
    cairo_fill(cr);
    for (int k = 0; k < 120; ++k) {
        cairo_rectangle(cr, random.Range(0, kWidth), base - random.Range(2, 50), 2, 2);
    }
    c.SetColour(palette::Amber.WithAlpha(0.7));
    cairo_fill(cr);
}

// The road: a perspective strip from the bottom of the picture to the vanishing point.
void Road(const TCanvas& c, const TScene& s) {
    cairo_t* cr = c.Cr();
    const double vy = kHeight * s.horizon, vx = kWidth * (0.5 + s.curve * 0.2);
    auto edge = [&](double side, double t) { // t 0 at the bottom, 1 at the horizon
        const double depth = std::pow(1 - t, 1.0);
        const double x =
            kWidth / 2.0 + side * kWidth * 0.62 * depth + (vx - kWidth / 2.0) * (1 - depth * depth);
        return std::make_pair(x, kHeight - (kHeight - vy) * t);
    };
    // Verge, then asphalt.
    cairo_rectangle(cr, 0, vy, kWidth, kHeight - vy);
    c.SetColour(palette::Night.Mix(palette::Dusk, 0.15));
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int i = 0; i <= 50; ++i) {
        const auto [x, y] = edge(-1, i / 50.0);
        cairo_line_to(cr, x, y);
    }
    for (int i = 50; i >= 0; --i) {
        const auto [x, y] = edge(1, i / 50.0);
        cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_pattern_t* asphalt = cairo_pattern_create_linear(0, vy, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(asphalt, 0, s.skyLow.r * 0.6, s.skyLow.g * 0.5, s.skyLow.b * 0.6);
    cairo_pattern_add_color_stop_rgb(asphalt, 1, palette::Asphalt.r, palette::Asphalt.g, palette::Asphalt.b);
    cairo_set_source(cr, asphalt);
    cairo_fill(cr);
    cairo_pattern_destroy(asphalt);
    // Lane dashes and edge lines.
    for (double lane : {-0.33, 0.33})
        for (int d = 0; d < 14; ++d) {
            const double t0 = 1 - std::pow(0.82, d * 1.0), t1 = 1 - std::pow(0.82, d + 0.5);
            const auto [x0, y0] = edge(lane, t0);
            const auto [x1, y1] = edge(lane, t1);
            const double w0 = 7 * (1 - t0), w1 = 7 * (1 - t1);
            cairo_move_to(cr, x0 - w0, y0);
            cairo_line_to(cr, x0 + w0, y0);
            cairo_line_to(cr, x1 + w1, y1);
            cairo_line_to(cr, x1 - w1, y1);
            cairo_close_path(cr);
        }
    c.SetColour(palette::Paper.WithAlpha(0.75));
    cairo_fill(cr);
    for (double side : {-0.95, 0.95}) {
        for (int i = 0; i <= 50; ++i) {
            const auto [x, y] = edge(side, i / 50.0);
            cairo_line_to(cr, x, y);
        }
        c.SetColour(palette::Amber.WithAlpha(0.85));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // Street lamps with their pools of light.
    for (int d = 1; d < 9; ++d) {
        const double t = 1 - std::pow(0.72, d);
        for (double side : {-1.12, 1.12}) {
            const auto [x, y] = edge(side, t);
            const double h = 190 * (1 - t), r = 70 * (1 - t) + 4;
            c.Glow(x, y - h, r, palette::Amber.WithAlpha(0.8));
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y - h);
            c.SetColour(palette::Night);
            cairo_set_line_width(cr, std::max(1.0, 6 * (1 - t)));
            cairo_stroke(cr);
        }
    }
}

void Highway(const TCanvas& c, const TScene& s) {
    Sky(c, s);
    Skyline(c, s);
    Road(c, s);
    DrawPickupFromBehind(c, kWidth * 0.5, kHeight * 0.97, 230);
}

// The menu background: the game's buttons stand at the left, its title upper right, the badge lower right.
void Splash(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    TScene s;
    s.curve = 0.25;
    Highway(c, s);
    cairo_pattern_t* left = cairo_pattern_create_linear(0, 0, 300, 0);
    cairo_pattern_add_color_stop_rgba(left, 0, 0, 0, 0, 0.65);
    cairo_pattern_add_color_stop_rgba(left, 1, 0, 0, 0, 0);
    cairo_rectangle(c.Cr(), 0, 0, 300, kHeight);
    cairo_set_source(c.Cr(), left);
    cairo_fill(c.Cr());
    cairo_pattern_destroy(left);
    tree.Jpg("Data/Menu/Splash.jpg", c);
}

void TextBlock(const TCanvas& c, const std::vector<std::string>& lines, double x, double y, double size,
               double spacing) {
    c.SelectFont(TFace::Body, size);
    for (size_t i = 0; i < lines.size(); ++i)
        c.OutlinedText(lines[i], x, y + i * spacing, 0.5, palette::Paper, palette::Night, 3);
}

// Shown before the first stage, which starts at first light; the game prints "Press any key..."
// at 80 % of the height.
void Story(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    TScene s;
    s.seed = 21;
    s.horizon = 0.58;
    s.skyTop = {0.16, 0.22, 0.45};
    s.skyMid = {0.45, 0.42, 0.62};
    s.skyLow = {0.95, 0.58, 0.45};
    s.glow = {1.0, 0.85, 0.45};
    Highway(c, s);
    c.ChamferPath(112, 70, 800, 440, 24);
    c.FillAndOutline(palette::Night.WithAlpha(0.78), palette::Amber, 3);
    DrawWordmark(c, (kWidth - WordmarkWidth(c, 64)) / 2, 150, 64);
    TextBlock(c,
              {"The road from Port Kestrova to the capital belongs to the gangs now.",
               "Convoys vanish, couriers burn, and the police stay at home.", "",
               "You drive. Your partner rides in the back with whatever gun we could find.",
               "Fifteen stretches lie between you and the city: farmland, towns, desert",
               "and the snowy pass, each on a clock. Shoot what shoots at you, pick up",
               "what the wrecks leave behind, and keep the wheels on the road.", "",
               "At first light the road is taken back."},
              kWidth / 2.0, 215, 20, 32);
    tree.Jpg("Data/Menu/Story.jpg", c);
}

// After the fifteenth stage: the sun sets over the city at the end of the drive.
void Final(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    TScene s;
    s.seed = 31;
    s.horizon = 0.58;
    s.skyTop = {0.20, 0.22, 0.45};
    s.skyMid = {0.55, 0.40, 0.55};
    s.skyLow = {1.0, 0.55, 0.30};
    s.glow = {1.0, 0.65, 0.30};
    Highway(c, s);
    c.Glow(kWidth / 2.0, kHeight * 0.58, 160, {1, 0.8, 0.5, 0.9});
    DrawWordmark(c, (kWidth - WordmarkWidth(c, 96)) / 2, 170, 96);
    c.SelectFont(TFace::Title, 44);
    c.OutlinedText("THE ROAD IS YOURS", kWidth / 2.0, 250, 0.5, palette::Paper, palette::Night, 5);
    TextBlock(c,
              {"All fifteen stages driven. The gangs are scattered and the convoys roll again.",
               "Thank you for playing."},
              kWidth / 2.0, 310, 22, 34);
    tree.Jpg("Data/Menu/Final.jpg", c);
}

} // namespace

void GenerateScenes(TDataTree& tree) {
    Splash(tree);
    Story(tree);
    Final(tree);
}
