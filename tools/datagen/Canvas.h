// A cairo image to draw one picture on, with the shapes and text the art direction repeats.
#pragma once

#include "Palette.h"

#include <cairo.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

enum class TFace { Title, Body, BodyBold };

// While one lives, new canvases get `detail` times as many pixels each way for the same drawing:
// the sharper versions of the menu and HUD pictures for an interface drawn larger than they are.
class TCanvasDetail {
public:
    explicit TCanvasDetail(int detail);
    ~TCanvasDetail();
    TCanvasDetail(const TCanvasDetail&) = delete;
    TCanvasDetail& operator=(const TCanvasDetail&) = delete;

private:
    int previous_;
};

class TCanvas {
public:
    // `alpha` false gives an opaque picture (stored as RGB), true one with transparency.
    TCanvas(int width, int height, bool alpha = true);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }
    // The size drawn in; the surface has Detail() times as many pixels each way.
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Detail() const { return detail_; }
    bool HasAlpha() const { return alpha_; }

    void SetColour(const TColour& c) const;
    void Fill(const TColour& c) const;
    // Vertical gradient over the whole picture, `stops` as (offset, colour) pairs.
    void VerticalGradient(std::initializer_list<std::pair<double, TColour>> stops) const;
    // Rectangle with its four corners cut at 45 degrees: the panel shape of every frame.
    void ChamferPath(double x, double y, double w, double h, double cut) const;
    void RoundedPath(double x, double y, double w, double h, double radius) const;
    // Closed outline through `points` in order, as a new path.
    void PolygonPath(std::initializer_list<std::pair<double, double>> points) const;
    // Fills the current path with `fill`, then draws its outline `width` wide in `outline`.
    void FillAndOutline(const TColour& fill, const TColour& outline, double width) const;
    // The same with a vertical gradient over the whole picture as the fill.
    void GradientFillAndOutline(std::initializer_list<std::pair<double, TColour>> stops,
                                const TColour& outline, double width) const;
    // Soft round glow, `colour` at the centre fading to nothing at `radius`.
    void Glow(double cx, double cy, double radius, const TColour& colour) const;

    void SelectFont(TFace face, double pixelSize) const;
    double TextWidth(const std::string& text) const;
    // Baseline-anchored text; `align` 0 left, 0.5 centred, 1 right of x.
    void Text(const std::string& text, double x, double y, double align = 0.0) const;
    // Text with a dark outline for reading over pictures.
    void OutlinedText(const std::string& text, double x, double y, double align, const TColour& fill,
                      const TColour& outline, double outlineWidth) const;

    // Sets every pixel from `shade(x, y)` (unpremultiplied colour); for noise-made textures, at detail 1.
    void Shade(const std::function<TColour(int x, int y)>& shade) const;
    // Premultiplied pixel access after drawing.
    unsigned char* Data() const;
    int Stride() const;

private:
    cairo_pattern_t* VerticalPattern(std::initializer_list<std::pair<double, TColour>> stops) const;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    int width_, height_;
    bool alpha_;
    int detail_;
};
