// Glows add onto the picture and fade to their rim; the grey-scale shader greys a coloured
// frame when shaders are switched on and changes nothing when they are off; shader sources
// that do not compile or link.
#include "support/GfxFixture.h"

#include "core/Error.h"
#include "core/Log.h"
#include "platform/Platform.h"
#include "resources/Glow.h"
#include "resources/OGLExt.h"
#include "resources/Shaders.h"
#include "settings/Configure.h"

namespace {

using GlowDraw = GfxTest;

TEST_F(GlowDraw, AddsOntoThePictureAndFadesToItsRim) {
    glClearColor(0.2f, 0.2f, 0.2f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    TFakeLightControl lights;
    lights.Add(100, {0, 0, 0, 1}, false, {0.6f, 0.4f, 0, 1}, 0.5f);
    lights.Draw();
    // Window 64 x 64: the centre is at 32, the rim 16 pixels out. Pixel centres lie half a
    // pixel off, so the brightest pixel has a little less than the full colour.
    EXPECT_TRUE(ColourNear(gl_.Pixel(32, 32), 0xCC993300, 10));
    EXPECT_TRUE(ColourNear(gl_.Pixel(32 + 8, 32), 0x80663300, 6)) << "half way out, half the glow";
    EXPECT_TRUE(ColourNear(gl_.Pixel(32 + 18, 32), 0x33333300, 1)) << "outside the disc";
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));

    // Two glows over each other add up.
    lights.Draw();
    EXPECT_TRUE(ColourNear(gl_.Pixel(32, 32), 0xFFF63300, 10));
}

std::string ShaderSource(const std::string& name) {
    // Not __FILE__: with ccache's base folder it is relative, and ctest runs elsewhere.
    return std::string(KESTROVA_DATAGEN_STATIC) + "/Data/Shaders/" + name;
}

class ShaderTest : public GfxTest {
protected:
    void SetUp() override {
        GfxTest::SetUp();
        if (IsSkipped()) return;
        platform::InitVideo();
        LoadGLExtensions();
        // Mesa offers ARB shader objects: the extension loader must find them.
        ASSERT_TRUE(oglext::ShadersAvailable);
    }
    ~ShaderTest() override {
        Config = savedConfig_;
        Log = savedLog_;
    }

    // A red quad over the left half, green over the right half.
    void DrawColouredFrame() {
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(GL_QUADS);
        glColor3f(1, 0, 0);
        glVertex2f(-1, -1), glVertex2f(0, -1), glVertex2f(0, 1), glVertex2f(-1, 1);
        glColor3f(0, 1, 0);
        glVertex2f(0, -1), glVertex2f(1, -1), glVertex2f(1, 1), glVertex2f(0, 1);
        glEnd();
    }

    TConfig config_;
    TLOgFile log_{program_.Path() + "log.txt", true};

private:
    TConfig* savedConfig_ = std::exchange(Config, &config_);
    TLOgFile* savedLog_ = std::exchange(Log, &log_);
};

TEST_F(ShaderTest, GreysTheFrameOnlyWhenSwitchedOn) {
    // The fragment shader samples the bound texture: a white one, as under the game's models.
    GLuint white = 0;
    const uint8_t texel[4] = {255, 255, 255, 255};
    glGenTextures(1, &white);
    glBindTexture(GL_TEXTURE_2D, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glEnable(GL_TEXTURE_2D);

    config_.Shaders = false;
    TShaderObject off(ShaderSource("Default.vs"), ShaderSource("BlackWhite.fs"));
    EXPECT_FALSE(off.Enable());
    DrawColouredFrame();
    off.Disable();
    EXPECT_TRUE(ColourNear(gl_.Pixel(16, 32), 0xFF000000, 0));
    EXPECT_TRUE(ColourNear(gl_.Pixel(48, 32), 0x00FF0000, 0));

    config_.Shaders = true;
    TShaderObject grey(ShaderSource("Default.vs"), ShaderSource("BlackWhite.fs"));
    ASSERT_TRUE(grey.Ready());
    EXPECT_TRUE(grey.Enable());
    DrawColouredFrame();
    grey.Disable();
    EXPECT_TRUE(ColourNear(gl_.Pixel(16, 32), 0x4C4C4C00, 2)) << "red's luminance";
    EXPECT_TRUE(ColourNear(gl_.Pixel(48, 32), 0x96969600, 2)) << "green's luminance";

    // Switched off later, the object built while on does nothing either.
    config_.Shaders = false;
    EXPECT_FALSE(grey.Enable());
    glDeleteTextures(1, &white);
}

TEST_F(ShaderTest, BadSourcesRaiseOrLeaveTheObjectUnready) {
    config_.Shaders = true;
    const std::string broken =
        Put("Data/Shaders/broken.fs", "void main()\r\n{\r\n    gl_FragColor = ;\r\n}\r\n");
    try {
        TShaderObject shader(ShaderSource("Default.vs"), broken);
        ADD_FAILURE() << "a broken shader compiled";
    } catch (const EGameError& error) {
        EXPECT_EQ(std::string(error.what()).rfind(broken + " contains errors!\n", 0), 0u) << error.what();
    }

    // Compiles, but a program without main() does not link.
    const std::string noMain = Put("Data/Shaders/nomain.fs", "vec4 Colour() { return vec4(1.0); }\r\n");
    TShaderObject unlinked(ShaderSource("Default.vs"), noMain);
    EXPECT_FALSE(unlinked.Ready());
    EXPECT_FALSE(unlinked.Enable());
    EXPECT_NE(program_.Read("log.txt").find("failed to link"), std::string::npos);

    // Missing files are skipped: an empty program is linked.
    TShaderObject empty(ProgramDir + "Data\\Shaders\\none.vs", "");
    EXPECT_TRUE(empty.Ready());
    EXPECT_TRUE(empty.Enable());
    empty.Disable();
}

} // namespace
