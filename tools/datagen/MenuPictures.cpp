// Menu pictures: the start-up logo, window icons, title, pointer, buttons, windows and the publisher badge.
#include "Canvas.h"
#include "DataTree.h"
#include "Emblem.h"
#include "Generators.h"

#include <cmath>
#include <string>

namespace {

// 512 x 64, drawn pixel for pixel (nearest filtering) on the black loading screen.
void Logo(TDataTree& tree) {
    TCanvas c(512, 64);
    const double size = 50;
    // Stripes, badge and name centred as one group.
    const double left = (512 - (80 + 60 + WordmarkWidth(c, size))) / 2;
    DrawSpeedStripes(c, left + 80, 34, 80, 26);
    DrawEmblem(c, left + 110, 32, 52);
    DrawWordmark(c, left + 150, 51, size);
    tree.Png("Data/Menu/Logo.png", c);
}

// The window icon: the emblem alone, filling the square but for its outline.
void Icon(TDataTree& tree, int size) {
    TCanvas c(size, size);
    DrawEmblem(c, size / 2.0, size / 2.0, size * 0.94);
    tree.Png("Data/Menu/Icon" + std::to_string(size) + ".png", c);
}

// The title over the splash, upper right: 300 x 225 at 800 x 600 (1:1 at 1024 x 768), drawn larger
// for larger screens. The menus' windows cover its lower-left corner at those sizes (left of x 150
// and below y 175 of the picture at 800 x 600), so the emblem and the name stand side by side above it.
void Title(TDataTree& tree) {
    TCanvas c(384, 288);
    c.Glow(214, 112, 170, palette::Night.WithAlpha(0.75));
    DrawEmblem(c, 62, 100, 92);
    const double size = 70 * 258 / WordmarkWidth(c, 70);
    DrawWordmark(c, 114, 116, size);
    c.SelectFont(TFace::Title, 17);
    c.OutlinedText("R O A D   C O M B A T", 244, 150, 0.5, palette::Chrome, palette::Night, 4);
    DrawSpeedStripes(c, 230, 174, 80, 10);
    cairo_save(c.Cr());
    cairo_translate(c.Cr(), 488, 0);
    cairo_scale(c.Cr(), -1, 1);
    DrawSpeedStripes(c, 230, 174, 80, 10);
    cairo_restore(c.Cr());
    tree.Png("Data/Menu/Name of game.png", c);
}

// The pointer; its tip is the picture's upper-left corner.
void Pointer(TDataTree& tree, const std::string& name, bool overWidget) {
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    if (overWidget) c.Glow(4, 4, 22, palette::Amber.WithAlpha(0.7));
    c.PolygonPath({{3, 3}, {3, 36}, {11, 28}, {18, 42}, {24, 39}, {17, 26}, {28, 25}});
    c.SetColour(palette::Night);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    c.SetColour(overWidget ? palette::Amber : palette::Paper);
    cairo_fill(cr);
    tree.Png("Data/Menu/" + name, c, TOrientation::FlipVertical);
}

// Buttons carry no text: the game prints its captions in yellow over them. Fields (`field`) carry a
// label 4 pixels in from their left end and a value 4 pixels in from the right, so they keep their
// ends plain: small corners and no tab.
void Button(TDataTree& tree, const std::string& name, int w, int h, bool hovered, bool field) {
    TCanvas c(w, h);
    cairo_t* cr = c.Cr();
    const double cut = field ? 3 : h * 0.3;
    c.ChamferPath(1, 1, w - 2, h - 2, cut);
    const TColour top = hovered ? palette::SteelLight.Mix(palette::AmberDeep, 0.35) : palette::SteelLight;
    c.GradientFillAndOutline({{0, top.WithAlpha(0.95)},
                              {0.5, palette::Steel.WithAlpha(0.95)},
                              {1, palette::Night.WithAlpha(0.95)}},
                             hovered ? palette::Amber : palette::AmberDeep.Mix(palette::Chrome, 0.3),
                             hovered ? 2 : 1.2);
    if (field) {
        tree.Png("Data/Menu/" + name, c, TOrientation::FlipVertical);
        return;
    }
    // A slanted tab at the left end repeats the speed-stripe motif.
    cairo_new_path(cr);
    cairo_move_to(cr, cut + 3, 4);
    cairo_line_to(cr, cut + 8, 4);
    cairo_line_to(cr, cut + 8 - (h - 8) * 0.3, h - 4);
    cairo_line_to(cr, cut + 3 - (h - 8) * 0.3, h - 4);
    cairo_close_path(cr);
    c.SetColour(hovered ? palette::Amber : palette::AmberDeep.WithAlpha(0.8));
    cairo_fill(cr);
    tree.Png("Data/Menu/" + name, c, TOrientation::FlipVertical);
}

// Window frames with a button band at the bottom; the game prints all text. `titleLine` < 0: no title rule.
void Window(TDataTree& tree, const std::string& name, int w, int h, double titleLine, double buttonTop,
            double buttonBottom) {
    TCanvas c(w, h);
    cairo_t* cr = c.Cr();
    const double cut = 16;
    c.ChamferPath(5, 2, w - 7, h - 7, cut);
    c.GradientFillAndOutline({{0, palette::Indigo.WithAlpha(0.94)}, {1, palette::Night.WithAlpha(0.94)}},
                             palette::Amber, 2);
    c.ChamferPath(10, 7, w - 17, h - 17, cut - 3);
    c.SetColour(palette::SteelLight.WithAlpha(0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (titleLine > 0) {
        cairo_pattern_t* rule = cairo_pattern_create_linear(20, 0, w - 20, 0);
        cairo_pattern_add_color_stop_rgba(rule, 0, palette::Amber.r, palette::Amber.g, palette::Amber.b, 0);
        cairo_pattern_add_color_stop_rgba(rule, 0.5, palette::Amber.r, palette::Amber.g, palette::Amber.b,
                                          0.9);
        cairo_pattern_add_color_stop_rgba(rule, 1, palette::Amber.r, palette::Amber.g, palette::Amber.b, 0);
        cairo_rectangle(cr, 20, titleLine, w - 40, 2);
        cairo_set_source(cr, rule);
        cairo_fill(cr);
        cairo_pattern_destroy(rule);
    }
    cairo_rectangle(cr, 12, buttonTop, w - 24, buttonBottom - buttonTop);
    c.SetColour(palette::Night.WithAlpha(0.6));
    cairo_fill(cr);
    DrawSpeedStripes(c, w - 22, 20, 46, 12);
    tree.Png("Data/Menu/" + name, c, TOrientation::Mirror);
}

// The publisher badge, lower right of the main page; it overhangs the screen's bottom by 8 pixels.
// "inactive" is the picture shown while the pointer is over it, so it is the lit one.
void Badge(TDataTree& tree, const std::string& name, bool hovered) {
    TCanvas c(256, 128);
    if (hovered) c.Glow(128, 64, 130, palette::Amber.WithAlpha(0.55));
    c.ChamferPath(14, 22, 228, 84, 14);
    c.FillAndOutline(palette::Steel.WithAlpha(0.9), hovered ? palette::Amber : palette::AmberDeep,
                     hovered ? 3 : 2);
    DrawEmblem(c, 56, 62, 56);
    c.SelectFont(TFace::Title, 24);
    c.OutlinedText("KESTROVA", 92, 60, 0, hovered ? palette::Amber : palette::Paper, palette::Night, 3);
    c.SelectFont(TFace::Title, 13);
    c.SetColour(palette::Chrome);
    c.Text("on the web  >", 94, 82);
    tree.Png("Data/Menu/" + name, c);
}

// The pictures the menu draws at the interface's scale.
void MenuWidgets(TDataTree& tree) {
    Title(tree);
    Pointer(tree, "Cursor_out.png", false);
    Pointer(tree, "Cursor_in.png", true);
    Button(tree, "button1_out.png", 130, 30, false, false);
    Button(tree, "button1_in.png", 130, 30, true, false);
    Button(tree, "button2_out.png", 290, 25, false, true);
    Button(tree, "button2_in.png", 290, 25, true, true);
    // Title printed at top - 45; buttons at top - 194 .. 164 (small) and top - 285 .. 255 (large).
    Window(tree, "Question_window.png", 300, 226, -1, 156, 202);
    Window(tree, "menu_window.png", 418, 318, 54, 247, 293);
    Badge(tree, "Logo_mini_active.png", false);
    Badge(tree, "Logo_mini_inactive.png", true);
}

} // namespace

void GenerateMenuPictures(TDataTree& tree) {
    Logo(tree);
    Icon(tree, 32);
    Icon(tree, 256);
    for (int detail : {1, 2}) {
        const TCanvasDetail pixels(detail);
        MenuWidgets(tree);
    }
}
