// Menu pictures: the start-up logo, title, pointer, buttons, windows and the publisher badge.
#include "Canvas.h"
#include "DataTree.h"
#include "Emblem.h"
#include "Generators.h"

#include <cmath>

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

} // namespace

void GenerateMenuPictures(TDataTree& tree) {
    Logo(tree);
}
