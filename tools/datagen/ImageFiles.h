// Writers for the three picture formats the game reads: PNG (cairo), JPG (libjpeg), TGA (ours).
#pragma once

#include <cairo.h>
#include <string>

// How a picture is stored so that it looks right where the game draws it.
enum class TOrientation {
    AsDrawn,      // texture row 0 at the top of the quad
    FlipVertical, // quads drawn with texture (0, 0) at their lower-left corner
    Mirror,       // quads drawn with s = 0 at their right edge (the menu windows)
};

// A copy of `surface` turned as `orientation` asks; the caller destroys it.
cairo_surface_t* OrientedCopy(cairo_surface_t* surface, TOrientation orientation);

void WritePng(const std::string& path, cairo_surface_t* surface);
// Baseline JPEG of the opaque picture, top row first as every decoder expects.
void WriteJpg(const std::string& path, cairo_surface_t* surface, int quality);
// Uncompressed 32-bit true-colour TGA (type 2) with alpha, top row first.
void WriteTga(const std::string& path, cairo_surface_t* surface);
