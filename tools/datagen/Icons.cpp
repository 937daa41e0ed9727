// Symbols for weapons and bonuses, shared by the HUD icons and the help pictures.
#include "Icons.h"

#include "Canvas.h"

#include <cmath>

namespace {

// All symbols are drawn in a 100 x 100 box with the origin at its centre.
void Rect(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
}

void Finish(const TCanvas& c, const TColour& fill) {
    cairo_t* cr = c.Cr();
    c.SetColour(palette::Night);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    c.SetColour(fill);
    cairo_fill(cr);
}

void Pistol(const TCanvas& c) {
    c.PolygonPath({{-38, -20}, {38, -20}, {38, -4}, {-8, -4}, {-14, 30}, {-34, 30}, {-26, -4}, {-38, -4}});
    Finish(c, palette::Chrome);
}

void Uzi(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    Rect(cr, -40, -22, 72, 18); // receiver
    Rect(cr, 32, -17, 12, 6);   // barrel
    Rect(cr, -10, -4, 12, 38);  // magazine in the grip
    Rect(cr, -40, -4, 10, 10);  // stock stub
    Finish(c, palette::Chrome);
}

void MachineGun(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    Rect(cr, -46, -14, 56, 16); // body
    Rect(cr, 10, -10, 38, 7);   // barrel
    Rect(cr, -46, -18, 14, 26); // stock
    Rect(cr, -20, 2, 10, 20);   // grip
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 14, 13, 0, 2 * M_PI); // drum
    Finish(c, palette::Chrome);
    cairo_new_path(cr);
    Rect(cr, 42, -22, 4, 12);
    Finish(c, palette::Chrome);
}

void Shotgun(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    Rect(cr, -18, -12, 66, 7); // barrels
    Rect(cr, -18, -5, 60, 5);
    Rect(cr, 0, 0, 26, 7); // pump
    cairo_move_to(cr, -18, -14);
    cairo_line_to(cr, -48, -4);
    cairo_line_to(cr, -48, 14);
    cairo_line_to(cr, -18, 4);
    cairo_close_path(cr);
    Finish(c, palette::AmberDeep.Mix(palette::Chrome, 0.35));
}

void Bazooka(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    Rect(cr, -46, -16, 88, 18);
    Rect(cr, -10, 2, 10, 22);
    Rect(cr, 10, 2, 8, 14);
    Finish(c, palette::Go.Mix(palette::Steel, 0.45));
    cairo_new_path(cr);
    cairo_arc(cr, 44, -7, 9, 0, 2 * M_PI);
    Finish(c, palette::Danger);
}

void Rocket(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_rotate(cr, -M_PI / 4);
    cairo_new_path(cr);
    cairo_move_to(cr, 44, 0);
    cairo_curve_to(cr, 34, -10, 24, -11, 14, -11);
    cairo_line_to(cr, -28, -11);
    cairo_line_to(cr, -40, -24);
    cairo_line_to(cr, -40, 24);
    cairo_line_to(cr, -28, 11);
    cairo_line_to(cr, 14, 11);
    cairo_curve_to(cr, 24, 11, 34, 10, 44, 0);
    cairo_close_path(cr);
    Finish(c, palette::Chrome);
    cairo_new_path(cr);
    cairo_move_to(cr, 44, 0);
    cairo_curve_to(cr, 38, -7, 34, -9, 28, -10);
    cairo_line_to(cr, 28, 10);
    cairo_curve_to(cr, 34, 9, 38, 7, 44, 0);
    cairo_close_path(cr);
    c.SetColour(palette::Danger);
    cairo_fill(cr);
    c.PolygonPath({{-42, -8}, {-58, 0}, {-42, 8}});
    c.SetColour(palette::Amber);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Nitro(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    c.RoundedPath(-18, -30, 36, 70, 12);
    Finish(c, palette::Cyan.Mix(palette::Indigo, 0.3));
    cairo_new_path(cr);
    Rect(cr, -7, -42, 14, 14);
    Finish(c, palette::Chrome);
    c.SelectFont(TFace::Title, 34);
    c.SetColour(palette::White);
    c.Text("N", 0, 16, 0.5);
    c.PolygonPath({{30, -30}, {46, -10}, {36, -10}, {46, 12}, {24, -14}, {34, -14}});
    Finish(c, palette::Amber);
}

void Shield(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -44);
    cairo_curve_to(cr, 18, -34, 30, -34, 40, -34);
    cairo_curve_to(cr, 40, 4, 28, 28, 0, 46);
    cairo_curve_to(cr, -28, 28, -40, 4, -40, -34);
    cairo_curve_to(cr, -30, -34, -18, -34, 0, -44);
    cairo_close_path(cr);
    Finish(c, palette::Cyan);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -30);
    cairo_line_to(cr, 0, 32);
    cairo_move_to(cr, -26, -12);
    cairo_line_to(cr, 26, -12);
    c.SetColour(palette::White.WithAlpha(0.8));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void Ghost(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    cairo_move_to(cr, -32, 40);
    cairo_line_to(cr, -32, -6);
    cairo_arc(cr, 0, -6, 32, M_PI, 2 * M_PI);
    cairo_line_to(cr, 32, 40);
    for (int k = 0; k < 4; ++k) {
        const double x = 32 - 16 * (k + 1);
        cairo_line_to(cr, x + 8, 28);
        cairo_line_to(cr, x, 40);
    }
    cairo_close_path(cr);
    Finish(c, palette::Paper.WithAlpha(0.85));
    cairo_new_path(cr);
    cairo_arc(cr, -12, -8, 6, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 12, -8, 6, 0, 2 * M_PI);
    c.SetColour(palette::Night);
    cairo_fill(cr);
}

void Money(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 40, 0, 2 * M_PI);
    Finish(c, palette::Amber);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 31, 0, 2 * M_PI);
    c.SetColour(palette::AmberDeep);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    c.SelectFont(TFace::Title, 52);
    c.SetColour(palette::Night);
    c.Text("$", 0, 18, 0.5);
}

void Repair(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_rotate(cr, M_PI / 4);
    cairo_new_path(cr);
    Rect(cr, -7, -26, 14, 60);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -30, 18, 0, 2 * M_PI);
    Finish(c, palette::Chrome);
    cairo_new_path(cr);
    Rect(cr, -7, -52, 14, 24);
    c.SetColour(palette::Night);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    Rect(cr, 16, 16, 28, 9);
    Rect(cr, 25.5, 6.5, 9, 28);
    Finish(c, palette::Go);
}

void Hourglass(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    c.PolygonPath({{-28, -40}, {28, -40}, {4, 0}, {28, 40}, {-28, 40}, {-4, 0}});
    Finish(c, palette::Cyan.Mix(palette::White, 0.5).WithAlpha(0.9));
    cairo_new_path(cr);
    cairo_move_to(cr, -14, 40);
    cairo_line_to(cr, 0, 22);
    cairo_line_to(cr, 14, 40);
    cairo_close_path(cr);
    cairo_move_to(cr, -16, -24);
    cairo_line_to(cr, 16, -24);
    cairo_line_to(cr, 0, -4);
    cairo_close_path(cr);
    c.SetColour(palette::Amber);
    cairo_fill(cr);
    cairo_new_path(cr);
    Rect(cr, -36, -46, 72, 8);
    Rect(cr, -36, 38, 72, 8);
    Finish(c, palette::AmberDeep);
}

void Stopwatch(const TCanvas& c) {
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    Rect(cr, -8, -48, 16, 10);
    Finish(c, palette::Chrome);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 6, 38, 0, 2 * M_PI);
    Finish(c, palette::Paper);
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6;
        cairo_move_to(cr, std::cos(a) * 30, 6 + std::sin(a) * 30);
        cairo_line_to(cr, std::cos(a) * 35, 6 + std::sin(a) * 35);
    }
    c.SetColour(palette::Night);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 6);
    cairo_line_to(cr, 0, -22);
    cairo_move_to(cr, 0, 6);
    cairo_line_to(cr, 18, 14);
    c.SetColour(palette::Danger);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    c.SelectFont(TFace::Title, 22);
    c.SetColour(palette::Go);
    c.Text("+", 30, -26, 0.5);
}

} // namespace

void DrawSymbol(const TCanvas& canvas, TSymbol symbol, double cx, double cy, double size) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100, size / 100);
    switch (symbol) {
    case TSymbol::Gun: Pistol(canvas); break;
    case TSymbol::Uzi: Uzi(canvas); break;
    case TSymbol::MachineGun: MachineGun(canvas); break;
    case TSymbol::Shotgun: Shotgun(canvas); break;
    case TSymbol::Bazooka: Bazooka(canvas); break;
    case TSymbol::Nitro: Nitro(canvas); break;
    case TSymbol::Shield: Shield(canvas); break;
    case TSymbol::Ghost: Ghost(canvas); break;
    case TSymbol::Money: Money(canvas); break;
    case TSymbol::Rockets: Rocket(canvas); break;
    case TSymbol::Repair: Repair(canvas); break;
    case TSymbol::Slomo: Hourglass(canvas); break;
    case TSymbol::Time: Stopwatch(canvas); break;
    }
    cairo_restore(cr);
}
