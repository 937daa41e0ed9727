// The game's name and emblem, drawn the same way on the logo, the title and the backdrops.
#pragma once

class TCanvas;

// "KESTROVA" in slanted amber letters with a dark rim; `x` is the left end of the baseline.
// Returns the drawn width.
double DrawWordmark(const TCanvas& canvas, double x, double baseline, double size);
double WordmarkWidth(const TCanvas& canvas, double size);
// The kestrel: a swept wing over a road chevron, centred on (cx, cy), `size` wide.
void DrawEmblem(const TCanvas& canvas, double cx, double cy, double size);
// Slanted speed stripes ending at `x`, centred on `cy`.
void DrawSpeedStripes(const TCanvas& canvas, double x, double cy, double length, double height);
