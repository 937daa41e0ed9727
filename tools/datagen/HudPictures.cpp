// HUD pictures: the three panels, progress bar and arrow, health segments, start lights, bonus icons.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "Icons.h"
#include "PlayerPictures.h"

#include <cmath>
#include <string>

namespace {

void PanelFill(const TCanvas& c) {
    c.GradientFillAndOutline({{0, palette::SteelLight.WithAlpha(0.88)}, {1, palette::Night.WithAlpha(0.88)}},
                             palette::Amber, 2);
}

// A recessed slot for a readout.
void Slot(const TCanvas& c, double x, double y, double w, double h) {
    c.ChamferPath(x, y, w, h, std::min(h / 3, 6.0));
    c.FillAndOutline(palette::Night.WithAlpha(0.92), palette::SteelLight, 1);
}

void Label(const TCanvas& c, const std::string& text, double x, double y, double align = 0) {
    c.SelectFont(TFace::Title, 10);
    c.SetColour(palette::Chrome);
    c.Text(text, x, y, align);
}

// 256 x 128 at the top-left corner: health segments at x 100..188, y 15..35; score at (110, 63).
void LeftPanel(TDataTree& tree) {
    TCanvas c(256, 128);
    cairo_t* cr = c.Cr();
    c.PolygonPath({{0, 0}, {250, 0}, {250, 70}, {226, 94}, {92, 94}, {66, 120}, {0, 120}});
    PanelFill(c);
    // Our car, seen from above, in the badge at the left.
    cairo_new_path(cr);
    cairo_arc(cr, 46, 52, 34, 0, 2 * M_PI);
    c.FillAndOutline(palette::Night.WithAlpha(0.9), palette::AmberDeep, 2);
    DrawPickupFromAbove(c, 46, 52, 54);
    Label(c, "ARMOUR", 100, 11);
    Slot(c, 96, 13, 96, 24);
    Label(c, "SCORE", 100, 45);
    Slot(c, 100, 47, 140, 22);
    tree.Png("Data/HUD/Left_Panel.png", c);
}

void ProgressTrack(const TCanvas& c, bool filled) {
    cairo_t* cr = c.Cr();
    c.ChamferPath(105, 7, 160, 16, 5);
    if (!filled) {
        c.FillAndOutline(palette::Night.WithAlpha(0.92), palette::SteelLight, 1);
        for (int k = 1; k < 8; ++k) {
            cairo_rectangle(cr, 105 + k * 20, 19, 1, 3);
        }
        c.SetColour(palette::Chrome.WithAlpha(0.6));
        cairo_fill(cr);
        return;
    }
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 7, 0, 23);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1.0, 0.85, 0.45);
    cairo_pattern_add_color_stop_rgb(fill, 0.5, palette::Amber.r, palette::Amber.g, palette::Amber.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, palette::AmberDeep.r, palette::AmberDeep.g,
                                     palette::AmberDeep.b);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    // Chevrons pointing along the road.
    for (double x = 109; x < 262; x += 10) {
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x + 4, 15);
        cairo_line_to(cr, x, 20);
    }
    c.SetColour(palette::White.WithAlpha(0.35));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// 296 x 96, centred at the top: progress bar x 105..265, y 7..23; clock at (132, 40).
void CentrePanels(TDataTree& tree) {
    TCanvas empty(296, 96);
    empty.PolygonPath({{2, 0}, {294, 0}, {294, 30}, {272, 52}, {24, 52}, {2, 30}});
    PanelFill(empty);
    Label(empty, "ROUTE", 99, 19, 1);
    ProgressTrack(empty, false);
    Label(empty, "TIME", 124, 40, 1);
    Slot(empty, 127, 26, 96, 20);
    tree.Png("Data/HUD/Center_Panel.png", empty);

    TCanvas full(296, 96);
    ProgressTrack(full, true);
    tree.Png("Data/HUD/Center_Panel_FULL.png", full);

    // The car's place on the route, 32 x 16, drawn over the bar.
    TCanvas arrow(32, 16);
    cairo_t* cr = arrow.Cr();
    arrow.PolygonPath({{6, 2}, {22, 2}, {30, 8}, {22, 14}, {6, 14}, {11, 8}});
    arrow.SetColour(palette::Night);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    arrow.SetColour(palette::Paper);
    cairo_fill(cr);
    tree.Png("Data/HUD/Arrow.png", arrow);
}

// 202 x 96 at the top-right corner: weapon bay x 7..69, rocket bay x 131..193, both y 19..74.
void RightPanel(TDataTree& tree) {
    TCanvas c(202, 96);
    cairo_t* cr = c.Cr();
    c.PolygonPath({{0, 0}, {202, 0}, {202, 94}, {22, 94}, {0, 72}});
    PanelFill(c);
    Label(c, "WEAPON", 38, 13, 0.5);
    Label(c, "ROCKETS", 162, 13, 0.5);
    Slot(c, 5, 17, 66, 59);
    Slot(c, 129, 17, 66, 59);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 86 + k * 12, 30);
        cairo_line_to(cr, 94 + k * 12, 46);
        cairo_line_to(cr, 86 + k * 12, 62);
    }
    c.SetColour(palette::AmberDeep.WithAlpha(0.7));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    tree.Png("Data/HUD/Right_Panel.png", c);
}

// Health segment k of four, 22 x 20; lit segments run from red (k = 1) to green (k = 4).
void EnergySegments(TDataTree& tree) {
    const TColour lit[4] = {palette::Danger, palette::Amber, palette::Go.Mix(palette::Amber, 0.4),
                            palette::Go};
    for (int k = 1; k <= 4; ++k)
        for (bool on : {false, true}) {
            TCanvas c(22, 20);
            cairo_t* cr = c.Cr();
            c.PolygonPath({{6, 2}, {21, 2}, {16, 18}, {1, 18}});
            if (on) {
                cairo_pattern_t* fill = cairo_pattern_create_linear(0, 2, 0, 18);
                const TColour top = lit[k - 1].Mix(palette::White, 0.45), low = lit[k - 1];
                cairo_pattern_add_color_stop_rgb(fill, 0, top.r, top.g, top.b);
                cairo_pattern_add_color_stop_rgb(fill, 1, low.r, low.g, low.b);
                cairo_set_source(cr, fill);
                cairo_fill(cr);
                cairo_pattern_destroy(fill);
            } else {
                c.FillAndOutline(palette::SteelLight.WithAlpha(0.7), palette::Night, 1);
            }
            tree.Png("Data/HUD/Energy " + std::to_string(k) + (on ? "_L.png" : ".png"), c);
        }
}

// 256 x 128 start light, centred on the screen: red, then yellow, then green.
void StartLights(TDataTree& tree) {
    const TColour colours[3] = {palette::Danger, {1.0, 0.85, 0.15}, palette::Go};
    const char* names[3] = {"Lights_Red.png", "Lights_Yellow.png", "Lights_Green.png"};
    for (int lit = 0; lit < 3; ++lit) {
        TCanvas c(256, 128);
        cairo_t* cr = c.Cr();
        c.RoundedPath(14, 26, 228, 76, 18);
        c.FillAndOutline(palette::Night.WithAlpha(0.92), palette::Chrome, 3);
        for (int k = 0; k < 3; ++k) {
            const double x = 58 + k * 70, y = 64;
            if (k == lit) c.Glow(x, y, 52, colours[k].WithAlpha(0.8));
            cairo_new_path(cr);
            cairo_arc(cr, x, y, 26, 0, 2 * M_PI);
            const TColour lamp =
                k == lit ? colours[k].Mix(palette::White, 0.25) : colours[k].Mix(palette::Night, 0.8);
            c.FillAndOutline(lamp, palette::Steel, 3);
            if (k == lit) {
                cairo_arc(cr, x - 8, y - 9, 8, 0, 2 * M_PI);
                c.SetColour(palette::White.WithAlpha(0.6));
                cairo_fill(cr);
            }
        }
        tree.Png(std::string("Data/HUD/") + names[lit], c);
    }
}

struct TBonusIcon {
    const char* base;
    TSymbol symbol;
    const char* caption;
    TColour tint;
};

const TBonusIcon kBonusIcons[] = {
    {"b_Machine carbine", TSymbol::Uzi, "UZI", palette::Amber},
    {"b_Machine gun", TSymbol::MachineGun, "MACHINE GUN", palette::Amber},
    {"b_Shot-gun", TSymbol::Shotgun, "SHOTGUN", palette::Amber},
    {"b_Flare pistol", TSymbol::Bazooka, "BAZOOKA", palette::Amber},
    {"b_Bonus Nitro", TSymbol::Nitro, "NITRO", palette::Cyan},
    {"b_Energy Shield", TSymbol::Shield, "SHIELD", palette::Cyan},
    {"b_Ghost Mode", TSymbol::Ghost, "GHOST MODE", palette::Cyan},
    {"b_Bonus Money", TSymbol::Money, "MONEY", palette::Go},
    {"b_Rockets", TSymbol::Rockets, "ROCKETS", palette::Amber},
    {"b_Repair", TSymbol::Repair, "REPAIR", palette::Go},
    {"b_Slomo", TSymbol::Slomo, "SLOW MOTION", palette::Cyan},
    {"b_Time", TSymbol::Time, "EXTRA TIME", palette::Go},
};

// `_a`: 64 x 64 symbol in a HUD bay (drawn 62 x 55).
void SmallIcon(TDataTree& tree, const std::string& base, TSymbol symbol) {
    TCanvas c(64, 64);
    DrawSymbol(c, symbol, 32, 32, 58);
    tree.Png("Data/HUD/" + base + "_a.png", c);
}

// `_b`: 160 x 120 pick-up banner, flashed in the screen's centre.
void Banner(TDataTree& tree, const TBonusIcon& icon) {
    TCanvas c(160, 120);
    c.Glow(80, 52, 78, icon.tint.WithAlpha(0.55));
    c.ChamferPath(6, 90, 148, 24, 8);
    c.FillAndOutline(palette::Night.WithAlpha(0.85), icon.tint, 2);
    DrawSymbol(c, icon.symbol, 80, 48, 84);
    c.SelectFont(TFace::Title, std::string(icon.caption).size() > 10 ? 14 : 16);
    c.SetColour(palette::Paper);
    c.Text(icon.caption, 80, 108, 0.5);
    tree.Png(std::string("Data/HUD/") + icon.base + "_b.png", c);
}

} // namespace

void GenerateHudPictures(TDataTree& tree) {
    // Each also twice as sharp, for a HUD drawn larger.
    for (int detail : {1, 2}) {
        const TCanvasDetail pixels(detail);
        LeftPanel(tree);
        CentrePanels(tree);
        RightPanel(tree);
        EnergySegments(tree);
        StartLights(tree);
        for (const TBonusIcon& icon : kBonusIcons) {
            SmallIcon(tree, icon.base, icon.symbol);
            Banner(tree, icon);
        }
        SmallIcon(tree, "b_Gun", TSymbol::Gun);
    }
}
