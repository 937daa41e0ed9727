// FreeType and fontconfig behind the font calls of the 2D output.
#include "platform/Fonts.h"
#include "platform/Windows1251.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <future>
#include <vector>

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <strings.h>

namespace platform {

namespace {

constexpr int kScreenDpi = 96;
// Monochrome glyphs, hinted for the grid, like GDI's bitmap fonts.
constexpr FT_Int32 kLoadFlags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO;

struct TFont {
    std::string family;
    FT_Face face = nullptr;
    // Glyphs are loaded when a text first needs them: few of the 256 ever are.
    std::array<int, 256> advances{};
    std::array<bool, 256> measured{};
    std::array<bool, 256> listed{};
};

std::vector<TFont>& Fonts() {
    static std::vector<TFont> fonts;
    return fonts;
}

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) created = nullptr;
        return created;
    }();
    return library;
}

std::future<void>& FontsPrepared() {
    static std::future<void> prepared;
    return prepared;
}

std::vector<std::string> CandidateFamilies(const std::string& face) {
    if (strcasecmp(face.c_str(), "Century Gothic") == 0) return {face, "URW Gothic", "DejaVu Sans"};
    return {face, "DejaVu Sans"};
}

// The file of `family` in the wanted weight, as fontconfig matches it; false when
// fontconfig would only offer another family.
bool FindFontFile(const std::string& family, bool bold, std::string& file, int& index) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    bool found = false;
    FcChar8* name = nullptr;
    for (int n = 0; !found && FcPatternGetString(match, FC_FAMILY, n, &name) == FcResultMatch; ++n)
        found = strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0;
    FcChar8* path = nullptr;
    found = found && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (found) {
        file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    }
    FcPatternDestroy(match);
    return found;
}

// Without rendering the glyph only its hinted metrics are loaded.
bool LoadGlyph(const TFont& font, int code, bool render = true) {
    const FT_UInt glyph = FT_Get_Char_Index(font.face, Windows1251CodePoint(static_cast<uint8_t>(code)));
    return FT_Load_Glyph(font.face, glyph, render ? kLoadFlags : kLoadFlags & ~FT_LOAD_RENDER) == 0;
}

int Advance(const FT_GlyphSlot slot) {
    return static_cast<int>((slot->advance.x + 32) >> 6);
}

int CharAdvance(TFont& font, uint8_t code) {
    if (!font.measured[code]) {
        font.advances[code] = font.face && LoadGlyph(font, code, false) ? Advance(font.face->glyph) : 0;
        font.measured[code] = true;
    }
    return font.advances[code];
}

} // namespace

int FontPixels(int points, float scale) {
    // The character height of a GDI font: points at the screen's dpi, rounded like MulDiv.
    if (scale == 1) return std::max(1, (points * kScreenDpi + 36) / 72);
    return std::max(1, static_cast<int>(std::lround(points * kScreenDpi / 72.0 * scale)));
}

int OpenFont(const std::string& face, int points, bool bold) {
    return OpenFontAtPixels(face, FontPixels(points), bold);
}

void PrepareFonts() {
    FontsPrepared() = std::async(std::launch::async, [] {
        Library();
        FcInit();
    });
}

int OpenFontAtPixels(const std::string& face, int pixels, bool bold) {
    if (FontsPrepared().valid()) FontsPrepared().get();
    TFont font;
    if (Library() && FcInit()) {
        for (const std::string& family : CandidateFamilies(face)) {
            std::string file;
            int index = 0;
            if (!FindFontFile(family, bold, file, index)) continue;
            if (FT_New_Face(Library(), file.c_str(), index, &font.face) != 0) continue;
            font.family = family;
            break;
        }
    }
    if (font.face) FT_Set_Pixel_Sizes(font.face, 0, pixels);
    Fonts().push_back(std::move(font));
    return static_cast<int>(Fonts().size()) - 1;
}

std::string FontFamily(int font) {
    return Fonts().at(font).family;
}

void BuildFontLists(int font, unsigned listBase, const std::string& text) {
    TFont& entry = Fonts().at(font);
    if (std::all_of(text.begin(), text.end(), [&entry](unsigned char code) { return entry.listed[code]; })) return;
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    std::vector<uint8_t> rows;
    for (unsigned char code : text) {
        if (entry.listed[code]) continue;
        entry.listed[code] = true;
        if (listBase + code == 0) continue; // GL has no list 0
        glNewList(listBase + code, GL_COMPILE);
        if (entry.face && LoadGlyph(entry, code)) {
            const FT_GlyphSlot slot = entry.face->glyph;
            const FT_Bitmap& bitmap = slot->bitmap;
            const size_t rowBytes = (bitmap.width + 7) / 8;
            // glBitmap takes the bottom row first.
            rows.assign(rowBytes * bitmap.rows, 0);
            for (unsigned y = 0; y < bitmap.rows; ++y) {
                const uint8_t* from = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
                std::memcpy(rows.data() + (bitmap.rows - 1 - y) * rowBytes, from, rowBytes);
            }
            glBitmap(bitmap.width, bitmap.rows, static_cast<float>(-slot->bitmap_left),
                     static_cast<float>(static_cast<int>(bitmap.rows) - slot->bitmap_top),
                     static_cast<float>(Advance(slot)), 0, rows.empty() ? nullptr : rows.data());
        }
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

int TextWidth(int font, const std::string& text) {
    TFont& entry = Fonts().at(font);
    int width = 0;
    for (unsigned char c : text)
        width += CharAdvance(entry, c);
    return width;
}

int TextHeight(int font) {
    const TFont& entry = Fonts().at(font);
    if (!entry.face) return 0;
    const FT_Size_Metrics& metrics = entry.face->size->metrics;
    return static_cast<int>((metrics.ascender - metrics.descender + 32) >> 6);
}

} // namespace platform
