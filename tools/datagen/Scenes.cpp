// Full-screen JPGs: the menu splash, the story and final pictures and the fifteen loading screens,
// all views of the dusk highway.
#include "Canvas.h"
#include "DataTree.h"
#include "Emblem.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024, kHeight = 768;

enum class TWeather { Clear, Rain, Snow, Fog };

struct TScene {
    double horizon = 0.52; // fraction of the height
    TColour skyTop = palette::Night, skyMid = palette::Indigo, skyLow = palette::Dusk,
            glow = palette::Horizon;
    TWeather weather = TWeather::Clear;
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

// Our car from behind, amber, with glowing tail lights; `scale` 1 is full size near the bottom.
void Car(const TCanvas& c, double cx, double baseY, double scale, const TColour& body) {
    cairo_t* cr = c.Cr();
    const double w = 220 * scale, h = 90 * scale;
    c.Glow(cx, baseY, w * 0.8, palette::Night.WithAlpha(0.7));
    c.RoundedPath(cx - w / 2, baseY - h, w, h * 0.75, 14 * scale);
    c.SetColour(body.Mix(palette::Night, 0.35));
    cairo_fill(cr);
    c.RoundedPath(cx - w * 0.36, baseY - h * 1.35, w * 0.72, h * 0.55, 16 * scale);
    c.SetColour(body.Mix(palette::Night, 0.55));
    cairo_fill(cr);
    c.RoundedPath(cx - w * 0.3, baseY - h * 1.27, w * 0.6, h * 0.38, 10 * scale);
    c.SetColour(palette::Indigo.Mix(palette::Horizon, 0.25));
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        c.Glow(cx + side * w * 0.38, baseY - h * 0.62, 60 * scale, palette::Danger.WithAlpha(0.8));
        c.RoundedPath(cx + side * w * 0.38 - 18 * scale, baseY - h * 0.7, 36 * scale, 14 * scale, 4 * scale);
        c.SetColour(palette::Danger.Mix(palette::White, 0.4));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, cx - w / 2, baseY - h * 0.28, w, h * 0.06);
    c.SetColour(body);
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_rectangle(cr, cx + side * w * 0.34 - 22 * scale, baseY - h * 0.25, 44 * scale, h * 0.25);
    }
    c.SetColour(palette::Night);
    cairo_fill(cr);
}

void Weather(const TCanvas& c, const TScene& s) {
    cairo_t* cr = c.Cr();
    TRandom random(s.seed + 11);
    if (s.weather == TWeather::Rain) {
        for (int k = 0; k < 700; ++k) {
            const double x = random.Range(0, kWidth), y = random.Range(0, kHeight), l = random.Range(10, 26);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x - l * 0.15, y + l);
        }
        c.SetColour({0.6, 0.7, 1.0, 0.35});
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    } else if (s.weather == TWeather::Snow) {
        for (int k = 0; k < 500; ++k) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, random.Range(0, kWidth), random.Range(0, kHeight), random.Range(1, 3.5), 0,
                      2 * M_PI);
        }
        c.SetColour(palette::White.WithAlpha(0.8));
        cairo_fill(cr);
    } else if (s.weather == TWeather::Fog) {
        cairo_pattern_t* fog = cairo_pattern_create_linear(0, kHeight * (s.horizon - 0.2), 0, kHeight);
        cairo_pattern_add_color_stop_rgba(fog, 0, 0.5, 0.5, 0.55, 0);
        cairo_pattern_add_color_stop_rgba(fog, 0.3, 0.5, 0.5, 0.55, 0.55);
        cairo_pattern_add_color_stop_rgba(fog, 1, 0.5, 0.5, 0.55, 0.2);
        cairo_set_source(cr, fog);
        cairo_paint(cr);
        cairo_pattern_destroy(fog);
    }
}

void Highway(const TCanvas& c, const TScene& s, bool withCar) {
    Sky(c, s);
    Skyline(c, s);
    Road(c, s);
    if (withCar) Car(c, kWidth * 0.5, kHeight * 0.93, 1.1, palette::Amber);
    Weather(c, s);
}

// Darkens a horizontal band so that text printed by the game over it stays readable.
void Shade(const TCanvas& c, double y0, double y1, double alpha) {
    cairo_t* cr = c.Cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.3, 0, 0, 0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.7, 0, 0, 0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_rectangle(cr, 0, y0, kWidth, y1 - y0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// The menu background: the game's buttons stand at the left, its title upper right, the badge lower right.
void Splash(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    TScene s;
    s.curve = 0.25;
    Highway(c, s, true);
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

// Shown before the first stage; the game prints "Press any key..." at 80 % of the height.
void Story(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    TScene s;
    s.seed = 21;
    s.weather = TWeather::Rain;
    Highway(c, s, true);
    c.ChamferPath(112, 70, 800, 440, 24);
    c.FillAndOutline(palette::Night.WithAlpha(0.78), palette::Amber, 3);
    DrawWordmark(c, (kWidth - WordmarkWidth(c, 64)) / 2, 150, 64);
    TextBlock(c,
              {"The coast road from Port Kestrova to the capital belongs to the gangs now.",
               "Convoys vanish, couriers burn, and the police stay home after dark.", "",
               "You drive. Your partner rides in the back with whatever gun we could find.",
               "Fifteen stretches of highway lie between you and the city, each one",
               "on a clock. Shoot what shoots at you, pick up what the wrecks leave behind,",
               "and keep the wheels on the road.", "", "Tonight the road is taken back."},
              kWidth / 2.0, 215, 20, 32);
    tree.Jpg("Data/Menu/Story.jpg", c);
}

// After the fifteenth stage: dawn over the city.
void Final(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    TScene s;
    s.seed = 31;
    s.horizon = 0.58;
    s.skyTop = {0.16, 0.22, 0.45};
    s.skyMid = {0.45, 0.42, 0.62};
    s.skyLow = {0.95, 0.58, 0.45};
    s.glow = {1.0, 0.85, 0.45};
    Highway(c, s, true);
    c.Glow(kWidth / 2.0, kHeight * 0.58, 160, {1, 0.95, 0.7, 0.9});
    DrawWordmark(c, (kWidth - WordmarkWidth(c, 96)) / 2, 170, 96);
    c.SelectFont(TFace::Title, 44);
    c.OutlinedText("THE ROAD IS YOURS", kWidth / 2.0, 250, 0.5, palette::Paper, palette::Night, 5);
    TextBlock(c,
              {"All fifteen stages driven. The gangs are scattered and the convoys roll again.",
               "Thank you for playing."},
              kWidth / 2.0, 310, 22, 34);
    tree.Jpg("Data/Menu/Final.jpg", c);
}

const char* const kStageNames[15] = {"Harbour Exit", "Coast Road",    "Salt Flats",   "Rain Belt",
                                     "Pine Ridge",   "Old Quarry",    "Tunnel Mouth", "River Bridge",
                                     "Fog Marsh",    "Border Post",   "White Pass",   "Ice Bridge",
                                     "Night Market", "Power Station", "City Gate"};

TScene StageScene(int stage) {
    TScene s;
    s.seed = 100 + stage;
    s.curve = std::sin(stage * 1.7) * 0.8;
    const double shift = (stage - 1) / 14.0;
    s.skyLow = palette::Dusk.Mix({0.2, 0.3, 0.5}, shift * 0.6);
    s.glow = palette::Horizon.Mix({0.9, 0.3, 0.45}, shift);
    s.horizon = 0.48 + 0.06 * std::cos(stage * 2.3);
    if (stage == 4 || stage == 8 || stage == 13)
        s.weather = TWeather::Rain;
    else if (stage == 11 || stage == 12)
        s.weather = TWeather::Snow;
    else if (stage == 9)
        s.weather = TWeather::Fog;
    return s;
}

// Shown while a stage loads; the game prints its text at 80 % of the height.
void LoadingScreens(TDataTree& tree) {
    for (int stage = 1; stage <= 15; ++stage) {
        TCanvas c(kWidth, kHeight, false);
        const TScene s = StageScene(stage);
        Highway(c, s, stage % 2 == 1);
        Shade(c, 60, 300, 0.55);
        Shade(c, kHeight * 0.72, kHeight * 0.88, 0.6);
        c.SelectFont(TFace::Title, 36);
        c.OutlinedText("STAGE " + std::to_string(stage), kWidth / 2.0, 150, 0.5, palette::Amber,
                       palette::Night, 5);
        c.SelectFont(TFace::Title, 64);
        c.OutlinedText(kStageNames[stage - 1], kWidth / 2.0, 230, 0.5, palette::Paper, palette::Night, 6);
        tree.Jpg("Data/Maps/Loading_Level" + std::to_string(stage) + ".jpg", c);
    }
}

} // namespace

void GenerateScenes(TDataTree& tree) {
    Splash(tree);
    Story(tree);
    Final(tree);
    LoadingScreens(tree);
}
