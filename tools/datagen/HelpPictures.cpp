// Help1..8.png: the help pages, 512 x 512 with the content in the upper-left 415 x 315 pixels,
// drawn pixel for pixel over the large menu window.
//
// The game prints the "Help" title (rows 38..57 of the picture) and its three buttons (rows
// 263..293) inside the same rectangle, so those bands stay transparent.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "HazardPatches.h"
#include "Icons.h"

#include <string>
#include <vector>

namespace {

constexpr double kTop = 64, kBottom = 254, kLeft = 12, kRight = 405;

void Frame(const TCanvas& c, const std::string& heading, int page) {
    c.ChamferPath(kLeft, kTop, kRight - kLeft, kBottom - kTop, 8);
    c.FillAndOutline(palette::Night.WithAlpha(0.85), palette::SteelLight, 1);
    c.SelectFont(TFace::Title, 15);
    c.SetColour(palette::Amber);
    c.Text(heading, kLeft + 10, kTop + 19);
    c.SelectFont(TFace::Body, 10);
    c.SetColour(palette::Chrome);
    c.Text(std::to_string(page) + " / 8", kRight - 10, kTop + 17, 1);
}

// One row: a symbol, a name in amber and up to two lines of explanation.
void Entry(const TCanvas& c, double x, double y, TSymbol symbol, const std::string& name,
           const std::string& line1, const std::string& line2 = "") {
    DrawSymbol(c, symbol, x + 14, y + 12, 28);
    c.SelectFont(TFace::BodyBold, 11);
    c.SetColour(palette::Amber);
    c.Text(name, x + 34, y + 8);
    c.SelectFont(TFace::Body, 10);
    c.SetColour(palette::Paper);
    c.Text(line1, x + 34, y + 20);
    if (!line2.empty()) c.Text(line2, x + 34, y + 31);
}

void Lines(const TCanvas& c, double x, double y, const std::vector<std::string>& lines) {
    c.SelectFont(TFace::Body, 11);
    c.SetColour(palette::Paper);
    for (size_t i = 0; i < lines.size(); ++i)
        c.Text(lines[i], x, y + 15 * i);
}

void Key(const TCanvas& c, double x, double y, const std::string& label, double w = 22) {
    c.RoundedPath(x, y, w, 20, 4);
    c.FillAndOutline(palette::SteelLight, palette::Chrome, 1);
    c.SelectFont(TFace::BodyBold, 10);
    c.SetColour(palette::Paper);
    c.Text(label, x + w / 2, y + 14, 0.5);
}

void Controls(const TCanvas& c) {
    Frame(c, "Controls", 1);
    const double y = kTop + 34;
    Key(c, 46, y, "W");
    Key(c, 22, y + 24, "A");
    Key(c, 46, y + 24, "S");
    Key(c, 70, y + 24, "D");
    Key(c, 134, y, "Up", 26);
    Key(c, 106, y + 24, "Left", 26);
    Key(c, 134, y + 24, "Dn", 26);
    Key(c, 162, y + 24, "Right", 30);
    // The mouse.
    cairo_t* cr = c.Cr();
    c.RoundedPath(238, y - 2, 40, 58, 18);
    c.SetColour(palette::SteelLight);
    cairo_fill(cr);
    cairo_rectangle(cr, 240, y + 2, 17, 20);
    c.SetColour(palette::Amber);
    cairo_fill(cr);
    cairo_rectangle(cr, 259, y + 2, 17, 20);
    c.SetColour(palette::Cyan);
    cairo_fill(cr);
    c.SelectFont(TFace::Body, 10);
    c.SetColour(palette::Paper);
    c.Text("gun", 296, y + 8);
    c.Text("rocket", 296, y + 22);
    c.Text("aim: move", 296, y + 40);
    Lines(c, 22, y + 76,
          {"W / Up: accelerate        S / Down: brake", "A, D / Left, Right: steer across the road",
           "Left button or Ctrl: fire the best loaded gun at the marker",
           "Right button or Shift: launch a homing rocket (one per press)",
           "Escape: back to the menu; the stage waits for you",
           "All keys can be changed under Options > Controls."});
}

void Weapons(const TCanvas& c) {
    Frame(c, "Weapons", 2);
    const double y = kTop + 30;
    Entry(c, 20, y, TSymbol::Gun, "Gun", "Always there, never runs out.");
    Entry(c, 210, y, TSymbol::Uzi, "Uzi", "Fast fire, light damage.");
    Entry(c, 20, y + 40, TSymbol::Shotgun, "Shotgun", "Three pellets in a fan.");
    Entry(c, 210, y + 40, TSymbol::MachineGun, "Machine gun", "Slow, heavy rounds.");
    Entry(c, 20, y + 80, TSymbol::Bazooka, "Bazooka", "Fires straight rockets", "from the gun button.");
    Entry(c, 210, y + 80, TSymbol::Rockets, "Rockets", "Home in on the car under", "the marker.");
    Lines(c, 22, y + 132,
          {"One kind of bullets at a time: a new gun pick-up replaces",
           "the old ammunition. Rockets are kept apart."});
}

void BonusesOne(const TCanvas& c) {
    Frame(c, "Bonuses: arms and repairs", 3);
    const double y = kTop + 30;
    Entry(c, 20, y, TSymbol::Uzi, "Uzi ammo", "Bullets for the uzi.");
    Entry(c, 210, y, TSymbol::MachineGun, "Machine gun ammo", "Belts for the machine gun.");
    Entry(c, 20, y + 36, TSymbol::Shotgun, "Shotgun shells", "Shells for the shotgun.");
    Entry(c, 210, y + 36, TSymbol::Bazooka, "Bazooka", "Rockets for the gun button.");
    Entry(c, 20, y + 72, TSymbol::Rockets, "Rockets", "More homing rockets.");
    Entry(c, 210, y + 72, TSymbol::Repair, "Repair", "Mends the car's armour.");
    Entry(c, 20, y + 108, TSymbol::Time, "Extra time", "More time on the stage clock.");
    Entry(c, 210, y + 108, TSymbol::Money, "Points", "Straight onto your score.");
    Lines(c, 22, y + 148, {"Some cars carry one: it is yours the moment they blow up."});
}

void BonusesTwo(const TCanvas& c) {
    Frame(c, "Bonuses: timed powers", 4);
    const double y = kTop + 30;
    Entry(c, 20, y, TSymbol::Nitro, "Nitro", "Top speed goes up;", "the car leaves a trail.");
    Entry(c, 210, y, TSymbol::Shield, "Shield", "Soaks up bullet damage", "(not rockets).");
    Entry(c, 20, y + 44, TSymbol::Ghost, "Ghost mode", "Pass through traffic;", "nobody aims at you.");
    Entry(c, 210, y + 44, TSymbol::Money, "Double money", "Every wreck scores", "twice.");
    Entry(c, 20, y + 88, TSymbol::Slomo, "Slow motion", "The world slows down", "around you.");
    Lines(c, 22, y + 142,
          {"A timed power shows its icon and seconds in the right panel;",
           "a new one replaces the one running."});
}

void CarShape(const TCanvas& c, double x, double y, const TColour& body) {
    cairo_t* cr = c.Cr();
    c.RoundedPath(x, y, 18, 34, 5);
    c.SetColour(body);
    cairo_fill(cr);
    c.RoundedPath(x + 3, y + 8, 12, 8, 2);
    c.SetColour(palette::Night);
    cairo_fill(cr);
}

void Corners(const TCanvas& c, double x, double y, double w, double h, const TColour& colour) {
    cairo_t* cr = c.Cr();
    for (int cx = 0; cx < 2; ++cx)
        for (int cy = 0; cy < 2; ++cy) {
            const double px = x + cx * w, py = y + cy * h, dx = cx ? -6 : 6, dy = cy ? -6 : 6;
            cairo_move_to(cr, px + dx, py);
            cairo_line_to(cr, px, py);
            cairo_line_to(cr, px, py + dy);
        }
    c.SetColour(colour);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Enemies(const TCanvas& c) {
    Frame(c, "Traffic", 5);
    const double y = kTop + 32;
    CarShape(c, 30, y, palette::Chrome);
    CarShape(c, 30, y + 44, palette::Danger);
    CarShape(c, 30, y + 88, palette::Go);
    Corners(c, 26, y + 40, 26, 42, palette::Danger);
    Corners(c, 26, y + 84, 26, 42, palette::Go);
    Lines(c, 66, y + 12, {"Plain traffic: wreck it for points."});
    Lines(c, 66, y + 54,
          {"Gangs: they shoot ahead, behind or straight at you.",
           "Red corners: the marker is on a hostile car."});
    Lines(c, 66, y + 98, {"Friends: green corners. Losing one fails the", "special mission."});
    Lines(c, 22, y + 142, {"Exploding wrecks hurt every car close by."});
}

void Missions(const TCanvas& c) {
    Frame(c, "Stages and special missions", 6);
    const double y = kTop + 40;
    Lines(c, 22, y,
          {"Each stage's tally adds its reward and the time left over",
           "to your score. Every player's progress is kept:",
           "Resume Game goes on with the next stage."});
    Lines(c, 22, y + 52,
          {"Some stages carry a second task, told on the loading screen:",
           "- wreck every marked target before the stage ends, or",
           "- get a convoy of friends through without losing one.",
           "Complete it and the tally shows \"Special Mission Complete\":",
           "you earn extra ammunition, rockets or points for the stages",
           "ahead. Fail it and the stage still counts, without the reward."});
}

void Hud(const TCanvas& c) {
    Frame(c, "On the screen", 7);
    const double y = kTop + 32;
    auto box = [&](double x, double w, const char* title, const char* text1, const char* text2) {
        c.ChamferPath(x, y, w, 44, 6);
        c.FillAndOutline(palette::Steel, palette::Amber, 1.5);
        c.SelectFont(TFace::BodyBold, 10);
        c.SetColour(palette::Amber);
        c.Text(title, x + w / 2, y + 14, 0.5);
        c.SelectFont(TFace::Body, 9);
        c.SetColour(palette::Paper);
        c.Text(text1, x + w / 2, y + 27, 0.5);
        c.Text(text2, x + w / 2, y + 38, 0.5);
    };
    box(20, 118, "Left", "armour: four bars", "and your score");
    box(148, 120, "Centre", "route to the finish", "and the stage clock");
    box(278, 118, "Right", "weapon, rounds", "rockets, powers");
    Lines(c, 22, y + 66,
          {"The lowest armour bar blinks when it runs low.", "The clock turns red in the last ten seconds.",
           "The marker follows the mouse over the road; corners", "around a car show who you are aiming at.",
           "The clock runs from the start: the car rolls in by itself",
           "under the lights and is yours once they go out."});
}

// A slippery patch as the game lays it on the road, on a square of asphalt.
void HazardPicture(const TCanvas& c, double x, double y, THazard hazard) {
    cairo_t* cr = c.Cr();
    c.RoundedPath(x, y, 40, 40, 4);
    c.FillAndOutline(palette::Asphalt.Mix(palette::SteelLight, 0.35), palette::SteelLight, 1);
    TCanvas patch(256, 256);
    PaintHazard(patch, hazard);
    cairo_save(cr);
    cairo_translate(cr, x + 2, y + 2);
    cairo_scale(cr, 36.0 / 256, 36.0 / 256);
    cairo_set_source_surface(cr, patch.Surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Road(const TCanvas& c) {
    Frame(c, "The road", 8);
    const double y = kTop + 34;
    Lines(c, 22, y,
          {"Fifteen stages lead from Green Valley to the Frozen Pass.",
           "Reach the end of each before its clock runs out; if the clock",
           "or your armour runs out, you may drive it again."});
    HazardPicture(c, 22, y + 40, THazard::Oil);
    HazardPicture(c, 22, y + 86, THazard::Ice);
    c.SelectFont(TFace::BodyBold, 11);
    c.SetColour(palette::Amber);
    c.Text("Oil", 72, y + 54);
    c.Text("Ice", 72, y + 100);
    Lines(c, 100, y + 54,
          {"A glossy black pool: on it the car slides on,", "with no steering, brakes or throttle."});
    Lines(c, 100, y + 100, {"A pale sheet on winter roads: the same slide."});
    Lines(c, 22, y + 140, {"On a bridge the road's edge is a fall: keep the wheels on it."});
}

} // namespace

void GenerateHelpPictures(TDataTree& tree) {
    void (*const pages[8])(const TCanvas&) = {Controls, Weapons,  BonusesOne, BonusesTwo,
                                              Enemies,  Missions, Hud,        Road};
    for (int i = 0; i < 8; ++i) {
        TCanvas c(512, 512);
        pages[i](c);
        tree.Png("Data/Menu/Help" + std::to_string(i + 1) + ".png", c);
    }
}
