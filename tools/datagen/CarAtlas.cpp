// The texture atlas every car model shares the layout of: paint, glass, tyres, lights, trim.
#include "CarAtlas.h"

#include "Canvas.h"
#include "Noise.h"

#include <cmath>

namespace {

struct TPixels {
    double x, y, w, h;
};
TPixels Pixels(const TUvRect& r) {
    return {r.u0 * 256 - 0.5, r.v0 * 256 - 0.5, (r.u1 - r.u0) * 256 + 1, (r.v1 - r.v0) * 256 + 1};
}

void Rect(const TCanvas& c, const TPixels& p, const TColour& colour) {
    c.SetColour(colour);
    cairo_rectangle(c.Cr(), p.x, p.y, p.w, p.h);
    cairo_fill(c.Cr());
}

void Gradient(const TCanvas& c, const TPixels& p, const TColour& top, const TColour& bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, p.y, 0, p.y + p.h);
    cairo_pattern_add_color_stop_rgba(g, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(g, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(c.Cr(), g);
    cairo_rectangle(c.Cr(), p.x, p.y, p.w, p.h);
    cairo_fill(c.Cr());
    cairo_pattern_destroy(g);
}

void Line(const TCanvas& c, double x0, double y0, double x1, double y1, double width, const TColour& colour) {
    c.SetColour(colour);
    cairo_set_line_width(c.Cr(), width);
    cairo_move_to(c.Cr(), x0, y0);
    cairo_line_to(c.Cr(), x1, y1);
    cairo_stroke(c.Cr());
}

} // namespace

void PaintCarAtlas(const TCanvas& c, const TCarPaint& paint) {
    using namespace palette;
    const TColour body = paint.burnt ? TColour{0.16, 0.13, 0.11} : paint.body;
    const TColour shade = body.Mix(Night, paint.polished ? 0.15 : 0.45),
                  light = paint.polished ? body : body.Mix(White, 0.25);
    c.Fill(Steel);

    // Paint: a sheen towards the middle, seams where panels meet.
    const TPixels top = Pixels(atlas::Paint);
    Gradient(c, {top.x, top.y, top.w, top.h / 2}, shade, light);
    Gradient(c, {top.x, top.y + top.h / 2, top.w, top.h / 2}, light, shade);
    Line(c, top.x + 4, top.y + top.h * 0.3, top.x + top.w - 4, top.y + top.h * 0.3, 1, shade.Mix(Night, 0.5));
    if (paint.stripe) Rect(c, {top.x + top.w * 0.4, top.y, top.w * 0.2, top.h}, paint.accent);

    // Sides: door seams, handle, sill and arch shadows; front of the car is on the left.
    const TPixels side = Pixels(atlas::Side);
    Gradient(c, side, light, shade);
    Rect(c, {side.x, side.y + side.h * 0.82, side.w, side.h * 0.18}, Steel);
    for (double f : {0.36, 0.62})
        Line(c, side.x + side.w * f, side.y + 6, side.x + side.w * f, side.y + side.h * 0.8, 1.2,
             shade.Mix(Night, 0.6));
    Rect(c, {side.x + side.w * 0.42, side.y + side.h * 0.28, 8, 2.5}, Chrome);
    Rect(c, {side.x + side.w * 0.68, side.y + side.h * 0.28, 8, 2.5}, Chrome);
    if (paint.stripe) Rect(c, {side.x, side.y + side.h * 0.45, side.w, side.h * 0.1}, paint.accent);
    if (paint.checker)
        for (int i = 0; i < 16; ++i)
            for (int j = 0; j < 2; ++j)
                Rect(c,
                     {side.x + i * side.w / 16, side.y + side.h * (0.42 + 0.06 * j), side.w / 16,
                      side.h * 0.06},
                     (i + j) % 2 ? Night : Paper);

    // Glass: dark with the evening sky reflected in a streak.
    const TColour glass = paint.burnt ? Night : Indigo.Mix(Night, 0.4);
    const TPixels g = Pixels(atlas::Glass);
    Gradient(c, g, Dusk.Mix(glass, 0.5), glass);
    if (!paint.burnt) Line(c, g.x + g.w * 0.2, g.y + g.h, g.x + g.w * 0.55, g.y, 6, Horizon.WithAlpha(0.25));
    const TPixels cs = Pixels(atlas::CabinSide);
    Gradient(c, cs, Dusk.Mix(glass, 0.5), glass);
    Rect(c, {cs.x, cs.y, cs.w, 6}, body);
    Rect(c, {cs.x, cs.y + cs.h - 8, cs.w, 8}, body);
    for (double f : {0.0, 0.5, 0.92})
        Rect(c, {cs.x + cs.w * f, cs.y, 5, cs.h}, shade);

    // Tyre: black wall, chrome or soot rim with spokes.
    const TPixels t = Pixels(atlas::Tyre);
    const double cx = t.x + t.w / 2, cy = t.y + t.h / 2;
    Rect(c, t, Night);
    c.SetColour(TColour{0.09, 0.09, 0.1});
    cairo_arc(c.Cr(), cx, cy, t.w * 0.49, 0, 2 * M_PI);
    cairo_fill(c.Cr());
    c.SetColour(paint.burnt ? TColour{0.25, 0.2, 0.17} : Chrome);
    cairo_arc(c.Cr(), cx, cy, t.w * 0.3, 0, 2 * M_PI);
    cairo_fill(c.Cr());
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * M_PI / 5;
        Line(c, cx, cy, cx + std::cos(a) * t.w * 0.27, cy + std::sin(a) * t.w * 0.27, 3, SteelLight);
    }
    const TPixels tr = Pixels(atlas::Tread);
    Rect(c, tr, TColour{0.08, 0.08, 0.09});
    for (int k = 0; k < 8; ++k)
        Line(c, tr.x + k * tr.w / 8, tr.y, tr.x + k * tr.w / 8 + 4, tr.y + tr.h, 2, Night);

    // Lamps and grille.
    const TPixels h = Pixels(atlas::Headlight);
    Rect(c, h, Chrome);
    c.Glow(h.x + h.w / 2, h.y + h.h / 2, h.w * 0.6, paint.burnt ? Night : Paper);
    const TPixels tl = Pixels(atlas::Taillight);
    Rect(c, tl, Danger.Mix(Night, paint.burnt ? 0.8 : 0.3));
    c.Glow(tl.x + tl.w / 2, tl.y + tl.h / 2, tl.w * 0.5,
           Danger.Mix(White, 0.3).WithAlpha(paint.burnt ? 0.2 : 0.8));
    Rect(c, Pixels(atlas::Indicator), paint.burnt ? Night : Amber);
    const TPixels gr = Pixels(atlas::Grille);
    Rect(c, gr, Night);
    for (int k = 1; k < 6; ++k)
        Line(c, gr.x, gr.y + k * gr.h / 6, gr.x + gr.w, gr.y + k * gr.h / 6, 1.5, SteelLight);
    Gradient(c, Pixels(atlas::Chrome), White, Chrome.Mix(Night, 0.3));
    Gradient(c, Pixels(atlas::Trim), SteelLight, Steel);
    const TPixels ac = Pixels(atlas::Accent);
    Gradient(c, ac, paint.accent.Mix(White, 0.3), paint.accent);

    // Cargo box: ribbed panels; armour: plates with rivets.
    const TPixels cg = Pixels(atlas::Cargo);
    Gradient(c, cg, Paper.Mix(body, 0.2), Chrome.Mix(body, 0.3));
    for (int k = 0; k < 12; ++k)
        Line(c, cg.x + k * cg.w / 12, cg.y, cg.x + k * cg.w / 12, cg.y + cg.h, 1, Chrome.Mix(Night, 0.4));
    Rect(c, {cg.x, cg.y + cg.h * 0.4, cg.w, cg.h * 0.16}, paint.accent);
    const TPixels ar = Pixels(atlas::Armour);
    Gradient(c, ar, body.Mix(Chrome, 0.25), body.Mix(Night, 0.35));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j) {
            const double px = ar.x + i * ar.w / 4, py = ar.y + j * ar.h / 2;
            Line(c, px, py, px + ar.w / 4, py, 1.5, Night);
            Line(c, px, py, px, py + ar.h / 2, 1.5, Night);
            for (int r = 0; r < 4; ++r) {
                c.SetColour(Chrome);
                cairo_arc(c.Cr(), px + 4 + (r % 2) * (ar.w / 4 - 8), py + 4 + (r / 2) * (ar.h / 2 - 8), 1.3,
                          0, 2 * M_PI);
                cairo_fill(c.Cr());
            }
        }

    // Grime: road dust low on the body, soot and rust all over a wreck.
    const TNoise noise(16, paint.seed);
    cairo_surface_flush(c.Surface());
    unsigned char* data = c.Data();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const double n = noise.Fractal(x / 16.0, y / 16.0, 4);
            const double dirt = paint.burnt ? 0.2 + 0.6 * n : paint.polished ? 0 : 0.12 * n;
            unsigned char* p = data + y * c.Stride() + x * 4;
            for (int k = 0; k < 3; ++k) {
                const double rust = paint.burnt && n > 0.62 ? (k == 2 ? 0.35 : k == 1 ? 0.22 : 0.1) : 0.0;
                p[k] = static_cast<unsigned char>(std::lround(p[k] * (1 - dirt) + 255 * rust * dirt));
            }
        }
    cairo_surface_mark_dirty(c.Surface());
}
