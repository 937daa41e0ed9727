// Text drawn with the 2D output: measured widths match the pixels, the loading screen is
// centred, Windows-1251 characters have glyphs, text is rendered anew at a larger size (added
// fonts too); and the crosshair's aim point.
#include "support/GfxFixture.h"

#include "app/LoadingScreen.h"
#include "platform/Fonts.h"
#include "platform/PngWriter.h"
#include "resources/Crosshair.h"

#include <GL/glu.h>

namespace {

struct TSpan {
    int left = -1;
    int right = -1;
    int bottom = -1;
    int top = -1;
    int lit = 0;
    uint32_t colour = 0; // of the last lit pixel, 0xRRGGBBAA
};

// Columns and rows holding pixels brighter than the background in rows bottom..top.
TSpan LitColumns(const TGLContext& gl, int bottom = 0, int top = -1) {
    if (top < 0) top = gl.Height() - 1;
    const std::vector<uint8_t> pixels = gl.ReadPixels();
    TSpan span;
    for (int y = bottom; y <= top; ++y)
        for (int x = 0; x < gl.Width(); ++x) {
            const uint8_t* p = &pixels[(size_t(y) * gl.Width() + x) * 4];
            if (p[0] + p[1] + p[2] < 200) continue;
            ++span.lit;
            span.colour = (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
            if (span.left < 0 || x < span.left) span.left = x;
            if (x > span.right) span.right = x;
            if (span.bottom < 0) span.bottom = y;
            span.top = y;
        }
    return span;
}

class Out2DTest : public GfxTest {
protected:
    Out2DTest() : GfxTest(600, 300) {}
};

// The menus place captions by their measured size: the ink ends within the last glyph's side
// bearing of the advance sum, and a line from its tallest letter to its lowest descender fills
// the measured height, not much less.
TEST_F(Out2DTest, MeasuredSizeMatchesTheDrawnText) {
    for (const int base : {FONT_8, FONT_11, FONT_18}) {
        SCOPED_TRACE(base);
        const std::string text = "...loading... Hgjy| Score 0123";
        out_.SelectFont(base);
        const int width = out_.TextWidth(text), height = out_.TextHeight();
        glClear(GL_COLOR_BUFFER_BIT);
        out_.PrintText(text, base, -1 + 10 * PixelScaleX, 0);
        const TSpan span = LitColumns(gl_);
        ASSERT_GT(span.lit, 0);
        EXPECT_NEAR(span.left, 10, 2);
        EXPECT_NEAR(span.right + 1, 10 + width, 5);
        EXPECT_LE(span.top - span.bottom + 1, height);
        EXPECT_GE(span.top - span.bottom + 1, height * 3 / 4);
    }
    out_.SelectFont(FONT_8);
    const int small = out_.TextWidth("MMMM");
    out_.SelectFont(FONT_18);
    EXPECT_GT(out_.TextWidth("MMMM"), 2 * small);
}

TEST_F(Out2DTest, EmptyTextDrawsNothingAndCyrillicHasGlyphs) {
    out_.PrintText("", FONT_18, 0, 0);
    EXPECT_EQ(LitColumns(gl_).lit, 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // "Я" and "ё" in Windows-1251, and the last code, 255 ("я").
    for (const char* text : {"\xDF", "\xB8", "\xFF"}) {
        glClear(GL_COLOR_BUFFER_BIT);
        out_.PrintText(text, FONT_18, 0, 0);
        EXPECT_GT(LitColumns(gl_).lit, 10) << int(static_cast<unsigned char>(text[0]));
    }
}

// A larger interface renders its text anew at the larger size: measured and drawn twice as
// wide and tall, each pixel of ink fully lit as at the font's own size (not a stretched bitmap),
// and the fonts at their own size untouched afterwards.
TEST_F(Out2DTest, ScaledTextIsRenderedSharpAtItsSize) {
    const int added = out_.AddFont("Verdana", 12);
    for (const int base : {static_cast<int>(FONT_11), added}) {
        SCOPED_TRACE(base);
        const std::string text = "Mouse Left or Control";
        out_.SelectFont(base);
        const int width = out_.TextWidth(text), height = out_.TextHeight();
        glClear(GL_COLOR_BUFFER_BIT);
        out_.PrintText(text, base, -0.9f, 0);
        const std::vector<uint8_t> before = gl_.ReadPixels();
        const TSpan small = LitColumns(gl_);

        // Hinted glyphs keep to whole pixels, so sizes do not quite double.
        out_.SetScale(2);
        out_.SelectFont(base);
        EXPECT_NEAR(out_.TextWidth(text), 2 * width, width / 5);
        EXPECT_NEAR(out_.TextHeight(), 2 * height, 2);
        glClear(GL_COLOR_BUFFER_BIT);
        out_.PrintText(text, base, -0.9f, 0);
        const TSpan large = LitColumns(gl_);
        EXPECT_NEAR(large.right - large.left, 2 * (small.right - small.left), width / 5);
        EXPECT_GT(large.lit, 3 * small.lit);
        int partial = 0;
        for (uint8_t value : gl_.ReadPixels())
            partial += value > 0 && value < 255;
        EXPECT_EQ(partial, 0);

        out_.SetScale(1);
        out_.SelectFont(base);
        EXPECT_EQ(out_.TextWidth(text), width);
        glClear(GL_COLOR_BUFFER_BIT);
        out_.PrintText(text, base, -0.9f, 0);
        EXPECT_EQ(gl_.ReadPixels(), before);
    }
}

TEST_F(Out2DTest, LoadingScreenCentresItsText) {
    std::vector<uint8_t> logo(512 * 64 * 4);
    for (size_t i = 0; i < logo.size(); i += 4)
        logo[i] = 255, logo[i + 3] = 255; // red
    program_.Write("Data/Menu/Logo.png", "");
    ASSERT_TRUE(WritePng(program_.Path() + "Data/Menu/Logo.png", 512, 64, logo));
    DrawLoadingScreen();
    // The logo: 512 x 64 pixels in the middle.
    EXPECT_TRUE(ColourNear(gl_.Pixel(300, 150), 0xFF000000, 0));
    EXPECT_TRUE(ColourNear(gl_.Pixel(300 + 255, 150 + 31), 0xFF000000, 0));
    EXPECT_TRUE(ColourNear(gl_.Pixel(300 + 257, 150), 0x00000000, 0));
    EXPECT_TRUE(ColourNear(gl_.Pixel(300, 150 + 33), 0x00000000, 0));
    // The text's baseline is at y = -0.6, 60 pixels up from the bottom of this window.
    const TSpan text = LitColumns(gl_, 0, 110);
    ASSERT_GT(text.lit, 0);
    out_.SelectFont(FONT_18);
    const int width = out_.TextWidth("...loading...");
    EXPECT_NEAR(text.right + 1 - text.left, width, 5);
    EXPECT_NEAR((text.left + text.right + 1) / 2.0, 300, 2);
    EXPECT_TRUE(ColourNear(text.colour, 0xFFFF0000, 0)) << "yellow";
}

TEST_F(Out2DTest, CrosshairAimsAtTheGroundUnderTheMouse) {
    std::vector<uint8_t> marker(8 * 8 * 4, 255);
    program_.Write("Data/Textures/target.png", "");
    ASSERT_TRUE(WritePng(program_.Path() + "Data/Textures/target.png", 8, 8, marker));
    TCrosshair crosshair;

    // Looking down at the ground plane z = 0 from 10 units above, which covers the left
    // half of the window only.
    glMatrixMode(GL_PROJECTION);
    gluPerspective(60, 600.0 / 300, 1, 100);
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(0, 0, 10, 0, 0, 0, 0, 1, 0);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBegin(GL_QUADS);
    glVertex3f(-50, -50, 0);
    glVertex3f(0, -50, 0);
    glVertex3f(0, 50, 0);
    glVertex3f(-50, 50, 0);
    glEnd();

    // The mouse in client coordinates (y down), over the ground left of the middle.
    crosshair.Update(150, 75);
    GLdouble modelview[16], projection[16], x, y, z;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_NEAR(crosshair.WorldAim().z, 0, 1e-3);
    EXPECT_LT(crosshair.WorldAim().x, 0);
    gluProject(crosshair.WorldAim().x, crosshair.WorldAim().y, 0, modelview, projection, viewport, &x, &y,
               &z);
    EXPECT_NEAR(x, 150, 0.5);
    EXPECT_NEAR(y, 300 - 75 - 1, 0.5);
    EXPECT_NEAR(crosshair.ScreenAim().x, -0.5f, 1e-3);
    EXPECT_EQ(crosshair.ScreenAim().w, 1);

    // Over the cleared background the depth is the far plane's.
    crosshair.Update(450, 150);
    gluProject(crosshair.WorldAim().x, crosshair.WorldAim().y, crosshair.WorldAim().z, modelview, projection,
               viewport, &x, &y, &z);
    EXPECT_NEAR(z, 1, 1e-4);
    EXPECT_NEAR(crosshair.ScreenAim().z, 1, 1e-3);
}

} // namespace
