// Small drawing pieces the gameplay renders share.
#pragma once

#include "resources/Vector.h"

class THSAModel;

// `model` at `position`, turned by `heading` (radians) about z, scaled by `scale`.
void DrawModelAt(const THSAModel& model, const TVector4& position, float heading, float scale = 1);
// A textured quad in the local xy plane from (x1, y1) to (x2, y2) at `position`, turned by
// `angle` (radians) about z.
void DrawFlatQuad(int texture, const TVector4& position, float angle, float x1, float y1, float x2, float y2);
