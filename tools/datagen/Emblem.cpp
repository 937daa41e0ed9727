// The game's name and emblem, drawn the same way on the logo, the title and the backdrops.
#include "Emblem.h"

#include "Canvas.h"

#include <cmath>

namespace {
constexpr const char* kName = "KESTROVA";
constexpr double kSlant = -0.22; // forward lean of the letters
} // namespace

double WordmarkWidth(const TCanvas& canvas, double size) {
    canvas.SelectFont(TFace::Title, size);
    return canvas.TextWidth(kName) + size * 0.06 * 7;
}

double DrawWordmark(const TCanvas& canvas, double x, double baseline, double size) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    canvas.SelectFont(TFace::Title, size);
    const double spacing = size * 0.06;
    // Letters one by one for the wider spacing, sheared forward around the baseline.
    cairo_new_path(cr);
    double pen = x;
    for (const char* p = kName; *p; ++p) {
        const char letter[2] = {*p, 0};
        cairo_save(cr);
        cairo_matrix_t shear;
        cairo_matrix_init(&shear, 1, 0, kSlant, 1, -kSlant * baseline, 0);
        cairo_transform(cr, &shear);
        cairo_move_to(cr, pen, baseline);
        cairo_text_path(cr, letter);
        cairo_restore(cr);
        pen += canvas.TextWidth(letter) + spacing;
    }
    const double top = baseline - size * 0.75;
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, baseline);
    cairo_pattern_add_color_stop_rgb(fill, 0.0, 1.0, 0.86, 0.52);
    cairo_pattern_add_color_stop_rgb(fill, 0.45, palette::Amber.r, palette::Amber.g, palette::Amber.b);
    cairo_pattern_add_color_stop_rgb(fill, 1.0, palette::AmberDeep.r, palette::AmberDeep.g,
                                     palette::AmberDeep.b);
    canvas.SetColour(palette::Night);
    cairo_set_line_width(cr, std::max(2.0, size * 0.09));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_restore(cr);
    return pen - spacing - x;
}

void DrawEmblem(const TCanvas& canvas, double cx, double cy, double size) {
    cairo_t* cr = canvas.Cr();
    const double s = size / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    // Hexagonal badge.
    cairo_new_path(cr);
    for (int k = 0; k < 6; ++k) {
        const double a = M_PI / 6 + k * M_PI / 3;
        cairo_line_to(cr, std::cos(a) * s, std::sin(a) * s);
    }
    cairo_close_path(cr);
    canvas.FillAndOutline(palette::Steel, palette::Amber, std::max(1.5, size * 0.06));
    // Road chevron.
    cairo_new_path(cr);
    cairo_move_to(cr, -s * 0.55, s * 0.55);
    cairo_line_to(cr, 0, s * 0.05);
    cairo_line_to(cr, s * 0.55, s * 0.55);
    canvas.SetColour(palette::Chrome);
    cairo_set_line_width(cr, std::max(1.5, size * 0.08));
    cairo_stroke(cr);
    // Swept wing.
    cairo_new_path(cr);
    cairo_move_to(cr, -s * 0.70, -s * 0.05);
    cairo_curve_to(cr, -s * 0.30, -s * 0.55, s * 0.25, -s * 0.62, s * 0.72, -s * 0.42);
    cairo_curve_to(cr, s * 0.30, -s * 0.30, -s * 0.05, -s * 0.18, -s * 0.70, -s * 0.05);
    cairo_close_path(cr);
    canvas.SetColour(palette::Amber);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawSpeedStripes(const TCanvas& canvas, double x, double cy, double length, double height) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    const double band = height / 5;
    for (int i = 0; i < 3; ++i) {
        const double y = cy - height / 2 + i * band * 2;
        const double l = length * (1.0 - i * 0.22);
        cairo_pattern_t* p = cairo_pattern_create_linear(x - l, 0, x, 0);
        cairo_pattern_add_color_stop_rgba(p, 0, palette::Amber.r, palette::Amber.g, palette::Amber.b, 0);
        cairo_pattern_add_color_stop_rgba(p, 1, palette::Amber.r, palette::Amber.g, palette::Amber.b, 0.9);
        cairo_new_path(cr);
        cairo_move_to(cr, x - l, y + band);
        cairo_line_to(cr, x - l + band * 0.5, y);
        cairo_line_to(cr, x + band * 0.5, y);
        cairo_line_to(cr, x, y + band);
        cairo_close_path(cr);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    cairo_restore(cr);
}
