// Flat drawing in normalised device coordinates: textured and plain rectangles and
// bitmap text. Fonts are named by the base of their display lists.
#pragma once

#include <string>
#include <vector>

// The built-in fonts: "Century Gothic" bold in these sizes.
enum TFontBase {
    FONT_11 = 0,
    FONT_13 = 256,
    FONT_14 = 512,
    FONT_18 = 768,
    FONT_10 = 1024,
    FONT_8 = 1280,
};

class TOut2D {
public:
    // Fonts are opened and their glyphs drawn when first used, in the game's GL context.
    TOut2D() = default;
    TOut2D(const TOut2D&) = delete;
    TOut2D& operator=(const TOut2D&) = delete;

    // Makes the font of `base` the one TextWidth measures with.
    void SelectFont(int base);
    // Width in pixels of `text` in the selected font, for centring and aligning text.
    int TextWidth(const std::string& text) const;
    // Height in pixels of a line of text in the selected font.
    int TextHeight() const;
    // A normal-weight font of `face`; returns its base (1536, then 1792, ...).
    int AddFont(const std::string& face, int points);
    // Text is measured and printed `scale` times its size from now on: each font is rendered
    // anew at that size (once per size), so it stays sharp. 1 gives the fonts as created.
    void SetScale(float scale) { scale_ = scale; }
    float Scale() const { return scale_; }

    // Left end of the baseline at (x, y), in the current colour. Leaves texturing off.
    void PrintText(const std::string& text, int base, float x, float y);
    // Corners (x1, y1) at (s1, t1), (x2, y1), (x2, y2), (x1, y2). Leaves texturing on.
    void DrawTexturedQuad(int texture, float x1, float y1, float x2, float y2, float s1, float t1, float s2,
                          float t2) const;
    // In the current colour; texturing is left as the caller set it.
    void DrawQuad(float x1, float y1, float x2, float y2) const;

private:
    struct TFontRecord {
        int font; // the platform's font number
        int base;
        std::string face;
        int points;
        bool bold;
    };
    // A font at another size: its platform number and display lists.
    struct TScaledFont {
        int base;
        int pixels;
        int font;
        int lists;
    };
    // The record of `base`. A built-in font is opened when first asked for: the main page
    // needs few of the six.
    TFontRecord* RecordOf(int base);
    // The font of `base` at the current scale.
    TScaledFont Current(int base);

    std::vector<TFontRecord> fonts_;
    std::vector<TScaledFont> scaled_;
    int selectedFont_ = -1;
    int nextBase_ = 1536;
    float scale_ = 1;
};

extern TOut2D* Out2D;

// Both matrices to identity, so that what follows is drawn in normalised device coordinates.
void UseDeviceCoordinates();
// The bound texture stretched over the whole viewport, corner to corner; the caller's matrices
// are kept.
void DrawTextureOverViewport();
