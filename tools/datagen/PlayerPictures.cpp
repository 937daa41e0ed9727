// Our pickup in the pictures, the car the game drives: orange with a white stripe, a roll bar
// behind the cab and the gunner standing in the bed.
#include "PlayerPictures.h"

#include "Canvas.h"

#include <cmath>

namespace {

const TColour kPaint = palette::CarPaint;
const TColour kShade = palette::CarPaint.Mix(palette::Night, 0.45);
const TColour kStripe = palette::Paper;
const TColour kGlass = palette::Indigo.Mix(palette::Night, 0.4);
const TColour kJacket{0.22, 0.26, 0.20};

void Rect(const TCanvas& c, double x, double y, double w, double h, const TColour& colour) {
    c.SetColour(colour);
    cairo_rectangle(c.Cr(), x, y, w, h);
    cairo_fill(c.Cr());
}

void Rounded(const TCanvas& c, double x, double y, double w, double h, double r, const TColour& colour) {
    c.RoundedPath(x, y, w, h, r);
    c.SetColour(colour);
    cairo_fill(c.Cr());
}

} // namespace

void DrawPickupFromBehind(const TCanvas& c, double cx, double baseY, double width) {
    const double w = width, left = cx - w / 2;
    c.Glow(cx, baseY, w * 0.75, palette::Night.WithAlpha(0.6));
    for (double side : {-1.0, 1.0})
        Rounded(c, cx + side * w * 0.36 - w * 0.1, baseY - w * 0.2, w * 0.2, w * 0.2, w * 0.03,
                palette::Night);
    // Cab behind the bed, with its rear window.
    Rounded(c, cx - w * 0.4, baseY - w * 0.74, w * 0.8, w * 0.36, w * 0.06, kShade);
    Rounded(c, cx - w * 0.31, baseY - w * 0.69, w * 0.62, w * 0.2, w * 0.03, kGlass);
    // The gunner's back, his gun over the shoulder, between roll bar and tailgate.
    Rounded(c, cx - w * 0.1, baseY - w * 0.74, w * 0.2, w * 0.34, w * 0.05, kJacket);
    c.SetColour(palette::Steel);
    cairo_new_path(c.Cr());
    cairo_arc(c.Cr(), cx, baseY - w * 0.8, w * 0.065, 0, 2 * M_PI);
    cairo_fill(c.Cr());
    cairo_move_to(c.Cr(), cx + w * 0.08, baseY - w * 0.68);
    cairo_line_to(c.Cr(), cx + w * 0.2, baseY - w * 0.86);
    cairo_set_line_width(c.Cr(), w * 0.03);
    cairo_stroke(c.Cr());
    // Roll bar with its two lamps.
    for (double side : {-1.0, 1.0})
        Rect(c, cx + side * w * 0.38 - w * 0.025, baseY - w * 0.78, w * 0.05, w * 0.38, palette::Chrome);
    Rect(c, cx - w * 0.4, baseY - w * 0.8, w * 0.8, w * 0.05, palette::Chrome);
    for (double side : {-1.0, 1.0})
        Rounded(c, cx + side * w * 0.2 - w * 0.06, baseY - w * 0.85, w * 0.12, w * 0.06, w * 0.02,
                palette::Amber);
    // Tailgate: paint, twin stripes, lights, bumper.
    Rounded(c, left, baseY - w * 0.44, w, w * 0.34, w * 0.04, kPaint);
    Rect(c, left, baseY - w * 0.44, w, w * 0.04, kPaint.Mix(palette::White, 0.35));
    Rect(c, cx - w * 0.08, baseY - w * 0.44, w * 0.16, w * 0.34, kStripe);
    for (double side : {-1.0, 1.0}) {
        c.Glow(cx + side * w * 0.4, baseY - w * 0.33, w * 0.16, palette::Danger.WithAlpha(0.6));
        Rounded(c, cx + side * w * 0.4 - w * 0.07, baseY - w * 0.38, w * 0.14, w * 0.1, w * 0.02,
                palette::Danger.Mix(palette::White, 0.3));
    }
    Rect(c, left - w * 0.02, baseY - w * 0.14, w * 1.04, w * 0.07, palette::SteelLight);
}

void DrawPickupFromAbove(const TCanvas& c, double cx, double cy, double length) {
    const double l = length, w = l * 0.45, top = cy - l / 2, left = cx - w / 2;
    Rounded(c, left, top, w, l, w * 0.22, kPaint);
    Rect(c, cx - w * 0.1, top + l * 0.02, w * 0.2, l * 0.5, kStripe);
    // Windscreen and rear window across the cab, then the bed with the roll bar.
    c.PolygonPath({{left + w * 0.08, top + l * 0.3},
                   {left + w * 0.2, top + l * 0.2},
                   {left + w * 0.8, top + l * 0.2},
                   {left + w * 0.92, top + l * 0.3}});
    c.SetColour(kGlass);
    cairo_fill(c.Cr());
    Rect(c, left + w * 0.12, top + l * 0.45, w * 0.76, l * 0.04, kGlass);
    Rounded(c, left + w * 0.1, top + l * 0.53, w * 0.8, l * 0.43, w * 0.08, kShade);
    Rect(c, left + w * 0.04, top + l * 0.55, w * 0.92, l * 0.04, palette::Chrome);
    // The gunner: shoulders, helmet and his gun pointing forward.
    Rounded(c, cx - w * 0.3, top + l * 0.66, w * 0.6, l * 0.12, l * 0.05, kJacket.Mix(palette::White, 0.25));
    c.SetColour(palette::SteelLight.Mix(palette::White, 0.3));
    cairo_new_path(c.Cr());
    cairo_arc(c.Cr(), cx, top + l * 0.72, w * 0.17, 0, 2 * M_PI);
    cairo_fill(c.Cr());
    Rect(c, cx + w * 0.12, top + l * 0.5, w * 0.08, l * 0.2, palette::Night);
}
