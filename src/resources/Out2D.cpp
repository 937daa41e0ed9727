// Text as display lists of glyph bitmaps, rectangles as single quads.
#include "resources/Out2D.h"

#include <GL/gl.h>

#include "platform/Fonts.h"
#include "resources/TextureLib.h"

TOut2D* Out2D = nullptr;

namespace {

constexpr const char* kBuiltInFace = "Century Gothic";

struct TBuiltInFont {
    int base;
    int points;
};

constexpr TBuiltInFont kBuiltInFonts[] = {
    {FONT_11, 11}, {FONT_13, 13}, {FONT_14, 14}, {FONT_18, 18}, {FONT_10, 10}, {FONT_8, 8},
};

// Display lists of the fonts at other sizes, clear of the bases callers name fonts by.
constexpr int kScaledListsStart = 1 << 16;

} // namespace

TOut2D::TFontRecord* TOut2D::RecordOf(int base) {
    for (TFontRecord& record : fonts_)
        if (record.base == base) return &record;
    for (const TBuiltInFont& builtIn : kBuiltInFonts) {
        if (builtIn.base != base) continue;
        fonts_.push_back(
            {platform::OpenFont(kBuiltInFace, builtIn.points, true), base, kBuiltInFace, builtIn.points, true});
        return &fonts_.back();
    }
    return nullptr;
}

void TOut2D::SelectFont(int base) {
    if (RecordOf(base)) selectedFont_ = Current(base).font;
}

TOut2D::TScaledFont TOut2D::Current(int base) {
    TFontRecord* record = RecordOf(base);
    if (!record) return {base, 0, -1, base};
    const int pixels = platform::FontPixels(record->points, scale_);
    if (pixels == platform::FontPixels(record->points)) return {base, pixels, record->font, base};
    for (const TScaledFont& scaled : scaled_)
        if (scaled.base == base && scaled.pixels == pixels) return scaled;
    const int lists = kScaledListsStart + 256 * static_cast<int>(scaled_.size());
    const TScaledFont scaled{base, pixels, platform::OpenFontAtPixels(record->face, pixels, record->bold), lists};
    scaled_.push_back(scaled);
    return scaled;
}

int TOut2D::TextWidth(const std::string& text) const {
    return selectedFont_ < 0 ? 0 : platform::TextWidth(selectedFont_, text);
}

int TOut2D::TextHeight() const {
    return selectedFont_ < 0 ? 0 : platform::TextHeight(selectedFont_);
}

int TOut2D::AddFont(const std::string& face, int points) {
    const int base = nextBase_;
    nextBase_ += 256;
    selectedFont_ = platform::OpenFont(face, points, false);
    fonts_.push_back({selectedFont_, base, face, points, false});
    return base;
}

void TOut2D::PrintText(const std::string& text, int base, float x, float y) {
    glDisable(GL_TEXTURE_2D);
    glRasterPos2f(x, y);
    if (text.empty()) return;
    const TScaledFont font = Current(base);
    if (font.font >= 0) platform::BuildFontLists(font.font, static_cast<unsigned>(font.lists), text);
    glListBase(font.lists);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}

void TOut2D::DrawTexturedQuad(int texture, float x1, float y1, float x2, float y2, float s1, float t1,
                              float s2, float t2) const {
    glEnable(GL_TEXTURE_2D);
    TextureLib->Bind(texture);
    glBegin(GL_QUADS);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, y1);
    glTexCoord2f(s2, t1);
    glVertex2f(x2, y1);
    glTexCoord2f(s2, t2);
    glVertex2f(x2, y2);
    glTexCoord2f(s1, t2);
    glVertex2f(x1, y2);
    glEnd();
}

void TOut2D::DrawQuad(float x1, float y1, float x2, float y2) const {
    glBegin(GL_QUADS);
    glVertex2f(x1, y1);
    glVertex2f(x2, y1);
    glVertex2f(x2, y2);
    glVertex2f(x1, y2);
    glEnd();
}

void UseDeviceCoordinates() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void DrawTextureOverViewport() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    UseDeviceCoordinates();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
