// One PNG with a labelled thumbnail of every picture in the tree, for looking them over.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "ImageFiles.h"

#include <algorithm>

void WriteContactSheet(const TDataTree& tree, const std::string& path) {
    constexpr int kCell = 176, kLabel = 28, kColumns = 10;
    const auto& pictures = tree.Pictures();
    const int rows = std::max<int>(1, (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns);
    TCanvas sheet(kColumns * kCell, rows * (kCell + kLabel), false);
    sheet.Fill({0.18, 0.18, 0.2});
    cairo_t* cr = sheet.Cr();
    for (size_t i = 0; i < pictures.size(); ++i) {
        const auto& p = pictures[i];
        const int x0 = static_cast<int>(i % kColumns) * kCell,
                  y0 = static_cast<int>(i / kColumns) * (kCell + kLabel);
        const int w = cairo_image_surface_get_width(p.thumbnail),
                  h = cairo_image_surface_get_height(p.thumbnail);
        const int x = x0 + (kCell - w) / 2, y = y0 + (kCell - h) / 2;
        // A checkerboard shows where a picture is transparent.
        for (int cy = 0; cy < h; cy += 8)
            for (int cx = 0; cx < w; cx += 8) {
                const bool dark = ((cx + cy) / 8) % 2;
                cairo_set_source_rgb(cr, dark ? 0.35 : 0.55, dark ? 0.35 : 0.55, dark ? 0.38 : 0.58);
                cairo_rectangle(cr, x + cx, y + cy, std::min(8, w - cx), std::min(8, h - cy));
                cairo_fill(cr);
            }
        cairo_set_source_surface(cr, p.thumbnail, x, y);
        cairo_paint(cr);
        std::string name = p.path.substr(p.path.find_last_of('/') + 1);
        sheet.SelectFont(TFace::Body, 11);
        sheet.SetColour(palette::Paper);
        sheet.Text(name, x0 + kCell / 2.0, y0 + kCell + 11, 0.5);
        sheet.SetColour(palette::Chrome);
        sheet.Text(std::to_string(p.width) + " x " + std::to_string(p.height), x0 + kCell / 2.0,
                   y0 + kCell + 24, 0.5);
    }
    WritePng(path, sheet.Surface());
}
