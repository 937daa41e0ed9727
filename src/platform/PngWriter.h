// Writes RGBA pixels as a PNG file (screenshots).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgba` holds height rows of width pixels, bottom row first as OpenGL reads them.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);
