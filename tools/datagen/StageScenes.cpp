// Data\Maps\Loading_Level1..15.jpg: each stage's loading picture, its number and name over a
// daytime view of the world it plays in (StageWorlds.h): the block set's ground, roadside and
// horizon under its weather, with our pickup on the road. Stages of one world share the view.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "Noise.h"
#include "PlayerPictures.h"
#include "Random.h"
#include "StageWorlds.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr double kHorizon = kHeight * 0.5, kVanishX = kWidth * 0.5;

struct TLook {
    std::string set;
    bool rain, snow, fog;
    TColour ground, groundFar, shoulder;
    bool is(const char* name) const { return set == name; }
};

TLook LookOf(const TStageWorld& world) {
    TLook l{world.blocks,
            std::strcmp(world.weather, "W_RAIN") == 0,
            std::strcmp(world.weather, "W_SNOW") == 0,
            world.fog,
            {},
            {},
            {}};
    if (l.is("grass"))
        l.ground = {0.22, 0.42, 0.15}, l.groundFar = {0.42, 0.58, 0.32}, l.shoulder = {0.5, 0.48, 0.44};
    if (l.is("city"))
        l.ground = {0.42, 0.42, 0.45}, l.groundFar = {0.6, 0.61, 0.64}, l.shoulder = {0.62, 0.61, 0.63};
    if (l.is("desert"))
        l.ground = {0.80, 0.60, 0.38}, l.groundFar = {0.90, 0.76, 0.56}, l.shoulder = {0.85, 0.68, 0.45};
    if (l.is("winter"))
        l.ground = {0.86, 0.89, 0.95}, l.groundFar = {0.92, 0.94, 0.97}, l.shoulder = {0.55, 0.55, 0.58};
    return l;
}

// A point on the ground `side` road half-widths from the middle, `t` from the bottom (0) to
// the horizon (1), and how large things stand there.
struct TSpot {
    double x, y, scale;
};
TSpot Spot(double side, double t) {
    const double depth = 1 - t;
    return {kVanishX + side * kWidth * 0.34 * depth, kHeight - (kHeight - kHorizon) * t, depth};
}

void Sky(const TCanvas& c, const TLook& l) {
    const TColour top = l.rain   ? TColour{0.36, 0.39, 0.45}
                        : l.snow ? TColour{0.62, 0.66, 0.73}
                                 : TColour{0.22, 0.46, 0.80};
    const TColour low = l.rain   ? TColour{0.62, 0.65, 0.70}
                        : l.snow ? TColour{0.87, 0.89, 0.93}
                                 : TColour{0.78, 0.87, 0.95};
    c.VerticalGradient({{0, top}, {0.5, low}, {1, low}});
    if (!l.rain && !l.snow && !l.fog) c.Glow(kWidth * 0.78, kHeight * 0.12, 220, {1, 0.98, 0.85, 0.9});
    // Clouds: soft white on a clear day, heavy grey bands under rain.
    const TNoise noise(8, l.rain ? 41 : 42);
    cairo_surface_flush(c.Surface());
    unsigned char* data = c.Data();
    const double density = l.rain ? 0.42 : l.snow ? 0.5 : 0.6;
    const TColour cloud = l.rain ? TColour{0.42, 0.44, 0.5} : TColour{1, 1, 1};
    for (int y = 0; y < kHorizon; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double n = noise.Fractal(x / 160.0, y / 60.0, 4);
            const double a = std::clamp((n - density) * 4, 0.0, 0.85) * (1 - 0.5 * y / kHorizon);
            unsigned char* p = data + y * c.Stride() + x * 4;
            const double rgb[3] = {cloud.b, cloud.g, cloud.r};
            for (int k = 0; k < 3; ++k)
                p[k] = static_cast<unsigned char>(std::lround(p[k] * (1 - a) + 255 * rgb[k] * a));
        }
    cairo_surface_mark_dirty(c.Surface());
}

// Hills, a skyline, mesas or snowy peaks along the horizon.
void Horizon(const TCanvas& c, const TLook& l) {
    cairo_t* cr = c.Cr();
    const TNoise noise(16, 7);
    if (l.is("city")) {
        TRandom random(5);
        for (int k = 0; k < 46; ++k) {
            const double w = random.Range(24, 60), h = random.Range(30, 150), x = random.Range(-20, kWidth);
            const TColour facade = TColour{0.55, 0.60, 0.68}.Mix({0.75, 0.78, 0.82}, random.Unit());
            cairo_rectangle(cr, x, kHorizon - h, w, h);
            c.SetColour(facade);
            cairo_fill(cr);
            for (double wy = kHorizon - h + 6; wy < kHorizon - 6; wy += 9)
                cairo_rectangle(cr, x + 4, wy, w - 8, 3);
            c.SetColour(facade.Mix({0.35, 0.45, 0.6}, 0.5));
            cairo_fill(cr);
        }
        return;
    }
    const double height = l.is("winter") ? 190 : l.is("desert") ? 90 : 70;
    const TColour far = l.is("desert")   ? TColour{0.70, 0.42, 0.30}
                        : l.is("winter") ? TColour{0.50, 0.56, 0.66}
                                         : TColour{0.36, 0.50, 0.52};
    cairo_new_path(cr);
    cairo_move_to(cr, 0, kHorizon);
    for (int x = 0; x <= kWidth; x += 4) {
        double n = noise.Fractal(x / 180.0, 0.5, 3);
        if (l.is("desert")) n = std::round(n * 3) / 3; // flat tops
        cairo_line_to(cr, x, kHorizon - 12 - height * n);
    }
    cairo_line_to(cr, kWidth, kHorizon);
    cairo_close_path(cr);
    c.SetColour(far);
    cairo_fill_preserve(cr);
    if (l.is("winter")) {
        // Snow on the peaks: the upper part of the same outline.
        cairo_save(cr);
        cairo_clip(cr);
        cairo_rectangle(cr, 0, 0, kWidth, kHorizon - height * 0.45);
        c.SetColour({0.95, 0.96, 0.98});
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
}

void Ground(const TCanvas& c, const TLook& l) {
    cairo_t* cr = c.Cr();
    cairo_pattern_t* g = cairo_pattern_create_linear(0, kHorizon, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(g, 0, l.groundFar.r, l.groundFar.g, l.groundFar.b);
    cairo_pattern_add_color_stop_rgb(g, 1, l.ground.r, l.ground.g, l.ground.b);
    cairo_rectangle(cr, 0, kHorizon, kWidth, kHeight - kHorizon);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // The road: shoulders, asphalt (darker when wet), edge lines and lane dashes.
    auto strip = [&](double from, double to, const TColour& colour) {
        const TSpot a = Spot(from, 0), b = Spot(to, 0), v = Spot(0, 1);
        c.PolygonPath({{a.x, a.y}, {b.x, b.y}, {v.x, v.y}});
        c.SetColour(colour);
        cairo_fill(cr);
    };
    strip(-1.25, 1.25, l.shoulder);
    strip(-1, 1, l.rain ? TColour{0.20, 0.21, 0.24} : TColour{0.30, 0.31, 0.34});
    for (double side : {-0.97, 0.97}) {
        const TSpot a = Spot(side, 0), v = Spot(0, 1);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, v.x, v.y);
    }
    c.SetColour(palette::Paper);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (double lane : {-0.5, 0.0, 0.5})
        for (int d = 0; d < 16; ++d) {
            const double t0 = 1 - std::pow(0.84, d), t1 = 1 - std::pow(0.84, d + 0.45);
            const TSpot a = Spot(lane, t0), b = Spot(lane, t1);
            const double w0 = 5 * a.scale, w1 = 5 * b.scale;
            c.PolygonPath({{a.x - w0, a.y}, {a.x + w0, a.y}, {b.x + w1, b.y}, {b.x - w1, b.y}});
            c.SetColour(palette::Paper.WithAlpha(0.85));
            cairo_fill(cr);
        }
}

void Tree(const TCanvas& c, double x, double y, double s, bool pine, bool snowy) {
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, x - 4 * s, y - 30 * s, 8 * s, 30 * s);
    c.SetColour({0.32, 0.22, 0.14});
    cairo_fill(cr);
    const TColour leaves = pine ? TColour{0.10, 0.30, 0.18} : TColour{0.20, 0.42, 0.14};
    if (pine) {
        c.PolygonPath({{x, y - 150 * s}, {x + 38 * s, y - 22 * s}, {x - 38 * s, y - 22 * s}});
        c.SetColour(leaves);
        cairo_fill(cr);
        if (snowy) {
            c.PolygonPath({{x, y - 150 * s}, {x + 18 * s, y - 90 * s}, {x - 18 * s, y - 90 * s}});
            c.SetColour({0.95, 0.96, 0.99});
            cairo_fill(cr);
        }
        return;
    }
    cairo_arc(cr, x, y - 62 * s, 40 * s, 0, 2 * M_PI);
    c.SetColour(leaves);
    cairo_fill(cr);
    cairo_arc(cr, x - 12 * s, y - 74 * s, 18 * s, 0, 2 * M_PI);
    c.SetColour(leaves.Mix(palette::White, 0.15));
    cairo_fill(cr);
}

void Building(const TCanvas& c, double x, double y, double s, double side, double storeys, uint64_t seed) {
    cairo_t* cr = c.Cr();
    const double w = 150 * s, h = storeys * 40 * s, left = side < 0 ? x - w : x;
    TRandom random(seed);
    const TColour facade = TColour{0.62, 0.60, 0.58}.Mix({0.72, 0.66, 0.56}, random.Unit());
    // The wall along the street, running off towards the vanishing point.
    const double edge = x, k = 0.25;
    c.PolygonPath({{edge, y - h},
                   {edge, y},
                   {edge + (kVanishX - edge) * k, y + (kHorizon - y) * k},
                   {edge + (kVanishX - edge) * k, y - h + (kHorizon - (y - h)) * k}});
    c.SetColour(facade.Mix(palette::Night, 0.3));
    cairo_fill(cr);
    cairo_rectangle(cr, left, y - h, w, h);
    c.SetColour(facade);
    cairo_fill(cr);
    // Daylight windows: sky in the glass, no lamps lit.
    for (int row = 0; row < storeys; ++row)
        for (int col = 0; col < 4; ++col)
            cairo_rectangle(cr, left + (10 + col * 35) * s, y - h + (8 + row * 40) * s, 24 * s, 26 * s);
    c.SetColour({0.52, 0.64, 0.78});
    cairo_fill(cr);
}

void Cactus(const TCanvas& c, double x, double y, double s) {
    cairo_t* cr = c.Cr();
    const TColour green{0.30, 0.48, 0.26};
    c.RoundedPath(x - 9 * s, y - 110 * s, 18 * s, 110 * s, 9 * s);
    c.SetColour(green);
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        c.RoundedPath(x + side * 26 * s - 6 * s, y - 85 * s, 12 * s, 40 * s, 6 * s);
        cairo_fill(cr);
        cairo_rectangle(cr, std::min(x, x + side * 26 * s), y - 52 * s, 26 * s, 10 * s);
        cairo_fill(cr);
    }
}

// The block set's roadside, farthest first.
void Roadside(const TCanvas& c, const TLook& l) {
    TRandom random(l.set[0] + 31 * l.set.size());
    for (int k = 11; k >= 0; --k) {
        const double t = 0.06 + k * 0.075;
        for (double side : {-1.0, 1.0}) {
            const TSpot spot = Spot(side * random.Range(1.45, 1.9), t);
            if (l.is("city")) {
                Building(c, spot.x, spot.y, spot.scale, side, 3 + random.Below(4), k * 2 + (side > 0));
            } else if (l.is("desert")) {
                if (random.Unit() < 0.6) Cactus(c, spot.x, spot.y, spot.scale);
            } else {
                Tree(c, spot.x, spot.y, spot.scale, l.is("winter") || random.Unit() < 0.3, l.snow);
            }
        }
    }
}

void Weather(const TCanvas& c, const TLook& l) {
    cairo_t* cr = c.Cr();
    TRandom random(17);
    if (l.rain) {
        for (int k = 0; k < 700; ++k) {
            const double x = random.Range(0, kWidth), y = random.Range(0, kHeight),
                         len = random.Range(12, 28);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x - len * 0.15, y + len);
        }
        c.SetColour({0.85, 0.9, 1.0, 0.4});
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    if (l.snow) {
        for (int k = 0; k < 500; ++k) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, random.Range(0, kWidth), random.Range(0, kHeight), random.Range(1.2, 3.5), 0,
                      2 * M_PI);
        }
        c.SetColour(palette::White.WithAlpha(0.85));
        cairo_fill(cr);
    }
    if (l.fog) {
        // The game's fog grey, thickening with the distance.
        cairo_pattern_t* fog = cairo_pattern_create_linear(0, 0, 0, kHeight);
        cairo_pattern_add_color_stop_rgba(fog, 0, 0.5, 0.5, 0.5, 0.75);
        cairo_pattern_add_color_stop_rgba(fog, 0.5, 0.5, 0.5, 0.5, 0.9);
        cairo_pattern_add_color_stop_rgba(fog, 1, 0.5, 0.5, 0.5, 0.25);
        cairo_set_source(cr, fog);
        cairo_paint(cr);
        cairo_pattern_destroy(fog);
    }
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

} // namespace

void GenerateStageScenes(TDataTree& tree) {
    int stage = 0;
    for (const TStageWorld& world : kStageWorlds) {
        ++stage;
        TCanvas c(kWidth, kHeight, false);
        const TLook look = LookOf(world);
        Sky(c, look);
        Horizon(c, look);
        Ground(c, look);
        Roadside(c, look);
        DrawPickupFromBehind(c, kWidth * 0.5, kHeight * 0.97, 230);
        Weather(c, look);
        // The game prints its text at 80 % of the height.
        Shade(c, 60, 300, 0.55);
        Shade(c, kHeight * 0.72, kHeight * 0.88, 0.6);
        c.SelectFont(TFace::Title, 36);
        c.OutlinedText("STAGE " + std::to_string(stage), kWidth / 2.0, 150, 0.5, palette::Amber,
                       palette::Night, 5);
        c.SelectFont(TFace::Title, 64);
        c.OutlinedText(world.name, kWidth / 2.0, 230, 0.5, palette::Paper, palette::Night, 6);
        tree.Jpg("Data/Maps/Loading_Level" + std::to_string(stage) + ".jpg", c);
    }
}
