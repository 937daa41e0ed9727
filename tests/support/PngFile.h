// Reads a PNG written by the game's screenshots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TPngImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba; // top row first
    // RGBA of the pixel at (x, y), y counted from the top.
    uint32_t At(int x, int y) const;
};

// False when the file is missing or not a PNG.
bool ReadPng(const std::string& path, TPngImage& image);
