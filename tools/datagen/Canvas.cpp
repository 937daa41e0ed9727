// A cairo image to draw one picture on, with the shapes and text the art direction repeats.
#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

int canvasDetail = 1;

} // namespace

TCanvasDetail::TCanvasDetail(int detail) : previous_(canvasDetail) {
    canvasDetail = detail;
}

TCanvasDetail::~TCanvasDetail() {
    canvasDetail = previous_;
}

TCanvas::TCanvas(int width, int height, bool alpha)
    : surface_(cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width * canvasDetail,
                                          height * canvasDetail)),
      cr_(cairo_create(surface_)), width_(width), height_(height), alpha_(alpha), detail_(canvasDetail) {
    cairo_scale(cr_, detail_, detail_);
    // Hinting depends on the font configuration of the machine; outlines alone keep pictures identical.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
}

TCanvas::~TCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void TCanvas::SetColour(const TColour& c) const {
    cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a);
}

void TCanvas::Fill(const TColour& c) const {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    SetColour(c);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

cairo_pattern_t* TCanvas::VerticalPattern(std::initializer_list<std::pair<double, TColour>> stops) const {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, height_);
    for (const auto& [offset, c] : stops)
        cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, c.a);
    return p;
}

void TCanvas::VerticalGradient(std::initializer_list<std::pair<double, TColour>> stops) const {
    cairo_pattern_t* p = VerticalPattern(stops);
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_set_source(cr_, p);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_pattern_destroy(p);
}

void TCanvas::ChamferPath(double x, double y, double w, double h, double cut) const {
    cairo_new_path(cr_);
    cairo_move_to(cr_, x + cut, y);
    cairo_line_to(cr_, x + w - cut, y);
    cairo_line_to(cr_, x + w, y + cut);
    cairo_line_to(cr_, x + w, y + h - cut);
    cairo_line_to(cr_, x + w - cut, y + h);
    cairo_line_to(cr_, x + cut, y + h);
    cairo_line_to(cr_, x, y + h - cut);
    cairo_line_to(cr_, x, y + cut);
    cairo_close_path(cr_);
}

void TCanvas::RoundedPath(double x, double y, double w, double h, double r) const {
    cairo_new_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr_, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void TCanvas::PolygonPath(std::initializer_list<std::pair<double, double>> points) const {
    cairo_new_path(cr_);
    cairo_move_to(cr_, points.begin()->first, points.begin()->second);
    for (auto p = points.begin() + 1; p != points.end(); ++p)
        cairo_line_to(cr_, p->first, p->second);
    cairo_close_path(cr_);
}

void TCanvas::FillAndOutline(const TColour& fill, const TColour& outline, double width) const {
    SetColour(fill);
    cairo_fill_preserve(cr_);
    SetColour(outline);
    cairo_set_line_width(cr_, width);
    cairo_stroke(cr_);
}

void TCanvas::GradientFillAndOutline(std::initializer_list<std::pair<double, TColour>> stops,
                                     const TColour& outline, double width) const {
    cairo_pattern_t* p = VerticalPattern(stops);
    cairo_set_source(cr_, p);
    cairo_fill_preserve(cr_);
    cairo_pattern_destroy(p);
    SetColour(outline);
    cairo_set_line_width(cr_, width);
    cairo_stroke(cr_);
}

void TCanvas::Glow(double cx, double cy, double radius, const TColour& c) const {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(p, 0.35, c.r, c.g, c.b, c.a * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_save(cr_);
    cairo_set_source(cr_, p);
    cairo_arc(cr_, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr_);
    cairo_restore(cr_);
    cairo_pattern_destroy(p);
}

void TCanvas::SelectFont(TFace face, double pixelSize) const {
    // URW Gothic is the face the game prints its own text in; DejaVu Sans carries longer texts.
    switch (face) {
    case TFace::Title:
        cairo_select_font_face(cr_, "URW Gothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        break;
    case TFace::Body:
        cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        break;
    case TFace::BodyBold:
        cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        break;
    }
    cairo_set_font_size(cr_, pixelSize);
}

double TCanvas::TextWidth(const std::string& text) const {
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    return e.x_advance;
}

void TCanvas::Text(const std::string& text, double x, double y, double align) const {
    cairo_move_to(cr_, x - TextWidth(text) * align, y);
    cairo_show_text(cr_, text.c_str());
}

void TCanvas::OutlinedText(const std::string& text, double x, double y, double align, const TColour& fill,
                           const TColour& outline, double outlineWidth) const {
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_move_to(cr_, x - TextWidth(text) * align, y);
    cairo_text_path(cr_, text.c_str());
    SetColour(outline);
    cairo_set_line_width(cr_, outlineWidth);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr_);
    SetColour(fill);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void TCanvas::Shade(const std::function<TColour(int x, int y)>& shade) const {
    if (detail_ != 1) throw std::logic_error("shading a detailed canvas");
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    auto byte = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const TColour c = shade(x, y);
            const double a = alpha_ ? std::clamp(c.a, 0.0, 1.0) : 1.0;
            row[x] = byte(a) << 24 | byte(c.r * a) << 16 | byte(c.g * a) << 8 | byte(c.b * a);
        }
    }
    cairo_surface_mark_dirty(surface_);
}

unsigned char* TCanvas::Data() const {
    cairo_surface_flush(surface_);
    return cairo_image_surface_get_data(surface_);
}

int TCanvas::Stride() const {
    return cairo_image_surface_get_stride(surface_);
}
