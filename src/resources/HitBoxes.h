// The ".HB" hit-box files, read from disk beside the model.
#pragma once

#include <string>

#include "resources/SMD.h"

// Lines "type node value x1 y1 z1 x2 y2 z2"; a bad line raises an error naming file and line.
void ReadHitBoxes(TActor& actor, const std::string& path);
