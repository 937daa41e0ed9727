// Atlases of sixteen 64 × 64 material swatches in a 256 × 256 picture, for models whose parts are
// plain materials (people, props, roadside objects).
#pragma once

#include "Mesh.h"
#include "Palette.h"

#include <cstdint>

class TCanvas;

TUvRect Cell(int index);
// A swatch of `base` with value noise of `amount` (0..1) and vertical streaks of `streaks`.
void PaintCell(const TCanvas& c, int index, const TColour& base, double amount, uint64_t seed,
               double streaks = 0);
// Pixel rectangle of a swatch, for drawing details on it.
void CellOrigin(int index, double& x, double& y);
