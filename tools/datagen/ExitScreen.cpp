// The exit screen shown as the game closes: "wdata\config.ini", its 1024 x 768 background,
// two link buttons (the world high-score table, the project's home page) and the close
// button with its countdown box. Button pictures fill the upper-left corner of their texture.
#include "Canvas.h"
#include "DataTree.h"
#include "Emblem.h"
#include "Generators.h"

#include "menu/Addresses.h"

#include <string>

namespace {

constexpr int kWidth = 1024, kHeight = 768;

struct TBox {
    int x, y, w, h;
};
constexpr TBox kScores{192, 500, 300, 60};
constexpr TBox kHome{532, 500, 300, 60};
constexpr TBox kClose{452, 620, 120, 56};
constexpr int kCountdownSeconds = 5;

std::string BoxLine(const TBox& b) {
    return std::to_string(b.x) + " " + std::to_string(b.y) + " " + std::to_string(b.w) + " " +
           std::to_string(b.h);
}

void Background(TDataTree& tree) {
    TCanvas c(kWidth, kHeight, false);
    c.VerticalGradient(
        {{0, palette::Night}, {0.55, palette::Indigo}, {0.85, palette::Dusk}, {1, palette::Night}});
    c.Glow(kWidth / 2.0, 300, 420, palette::Horizon.WithAlpha(0.35));
    DrawSpeedStripes(c, 300, 150, 220, 30);
    DrawEmblem(c, kWidth / 2.0, 150, 140);
    DrawWordmark(c, (kWidth - WordmarkWidth(c, 100)) / 2, 300, 100);
    c.SelectFont(TFace::Title, 34);
    c.OutlinedText("THANKS FOR DRIVING", kWidth / 2.0, 380, 0.5, palette::Paper, palette::Night, 4);
    c.SelectFont(TFace::Body, 20);
    c.OutlinedText("See how your score stands against the world, or visit us on the web.", kWidth / 2.0, 440,
                   0.5, palette::Chrome, palette::Night, 3);
    tree.Jpg("wdata/Background.jpg", c);
}

// A plate of `box`'s size in the upper-left corner of a `textureW` x `textureH` picture.
void Plate(TDataTree& tree, const std::string& path, const TBox& box, int textureW, int textureH,
           const std::string& text, bool hovered) {
    TCanvas c(textureW, textureH);
    c.ChamferPath(1, 1, box.w - 2, box.h - 2, box.h * 0.3);
    c.GradientFillAndOutline({{0, (hovered ? palette::Amber : palette::SteelLight).WithAlpha(0.95)},
                              {1, (hovered ? palette::AmberDeep : palette::Steel).WithAlpha(0.95)}},
                             hovered ? palette::Paper : palette::Amber, hovered ? 3 : 2);
    if (!text.empty()) {
        c.SelectFont(TFace::Title, box.h * 0.4);
        c.OutlinedText(text, box.w / 2.0, box.h * 0.64, 0.5, palette::Paper, palette::Night, 3);
    }
    tree.Png(path, c);
}

void Config(TDataTree& tree) {
    std::string text;
    const auto line = [&text](const std::string& l) { text += l + "\r\n"; };
    line("3");
    line("wdata\\Background.jpg");
    line("[World high scores]");
    line(BoxLine(kScores));
    line("wdata\\Scores_in.png");
    line("wdata\\Scores_out.png");
    line(DefaultWorldTable);
    line("[Home page]");
    line(BoxLine(kHome));
    line("wdata\\Home_in.png");
    line("wdata\\Home_out.png");
    line(DefaultHomePage);
    line("[Close]");
    line("x y w h; hovered, normal, countdown pictures; unused pair; seconds; colour; font given; points");
    line(BoxLine(kClose));
    line("wdata\\Close_in.png");
    line("wdata\\Close_out.png");
    line("wdata\\Countdown.png");
    line("0 0");
    line(std::to_string(kCountdownSeconds));
    line("255 200 40");
    line("TRUE");
    line("20");
    tree.Text("wdata/config.ini", text);
}

} // namespace

void GenerateExitScreen(TDataTree& tree) {
    Background(tree);
    Plate(tree, "wdata/Scores_out.png", kScores, 512, 64, "WORLD HIGH SCORES", false);
    Plate(tree, "wdata/Scores_in.png", kScores, 512, 64, "WORLD HIGH SCORES", true);
    Plate(tree, "wdata/Home_out.png", kHome, 512, 64, "KESTROVA ON THE WEB", false);
    Plate(tree, "wdata/Home_in.png", kHome, 512, 64, "KESTROVA ON THE WEB", true);
    Plate(tree, "wdata/Close_out.png", kClose, 128, 64, "CLOSE", false);
    Plate(tree, "wdata/Close_in.png", kClose, 128, 64, "CLOSE", true);
    Plate(tree, "wdata/Countdown.png", {0, 0, 128, 64}, 128, 64, "", false);
    Config(tree);
}
