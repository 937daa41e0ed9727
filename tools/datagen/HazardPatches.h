// The slippery patches of the hazard blocks, oil and ice: soft, irregular pools with a sheen,
// laid on the road as flat objects over the blocks' no-control boxes. The help pages show the
// same pictures.
#pragma once

class TCanvas;

enum class THazard { Oil, Ice };

// Fills a square canvas with alpha: the pool in the middle, clear around it.
void PaintHazard(const TCanvas& c, THazard hazard);
