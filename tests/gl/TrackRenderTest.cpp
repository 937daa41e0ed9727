// The track's ground pass in a real GL context: seven blocks near to far (the second first) at
// their offsets, wheel types probed from scratch over the same blocks.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include "world/EnumNames.h"
#include "world/TrackFiles.h"
#include "world/VehicleContact.h"

namespace {

class TrackRenderTest : public TTrackFilesTest {
protected:
    void SetUp() override {
        TTrackFilesTest::SetUp();
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
        // Looking down on x -16 .. 16, y -296 .. 24: 1 pixel a unit, 2.5 across.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-16, 16, -296, 24, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    // Blocks whose road (x -2.5 .. 2.5, y -40 .. -2.5 in block coordinates) carries a texture
    // named after the block, so the bind order tells the drawing order.
    std::string WriteNamedSet(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            WriteBlock("Data/Maps/Set/" + name, MapText({{-128, 128, -64, 128, 2048, 0, name}}),
                       MapText({{-128, 128, -64, 128, 2048, 0, "COL_GRASS"}}));
        return Write("Data/Maps/Set/main.trk", CrLf(names));
    }

    TGLContext gl_{32, 320};
    TVehicleContact car_;
};

} // namespace

TEST_F(TrackRenderTest, GroundDrawsSevenBlocksNearToFarAndProbesFromScratch) {
    TTrack track(WriteNamedSet({"000000_000000", "000000_000000a", "000000_000000b", "000000_000000c"}), {},
                 blockTextures_);
    track.SetScroll(10);
    car_.wheelTypes = {COL_KILL, COL_KILL, COL_KILL, COL_KILL};
    car_.wheelPoints = {TVector4{0, -20, 0, 0}, TVector4{0, -31, 0, 0}, TVector4{10, -20, 0, 0},
                        TVector4{0, -20, 0, 0}};
    track.ProbeContacts(car_);
    track.RenderGround();
    track.Render(0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // Window slots 4, 3, 5 .. 9 hold blocks 2, 1, 3, 1, 1, 1, 1: textures are numbered by load order.
    EXPECT_EQ(blockTextures_.bound, (std::vector<int>{3, 2, 4, 2, 2, 2, 2}));
    // Slot 3 lies at y offset 10: its road covers y -30 .. 7.5; a gap of 2.5 between blocks.
    EXPECT_EQ(car_.wheelTypes, (std::array<int, 4>{COL_GRASS, COL_MAINROAD, COL_MAINROAD, COL_GRASS}));
    EXPECT_NE(gl_.Pixel(16, 296 - 20), 0x000000FFu);
    EXPECT_EQ(gl_.Pixel(16, 296 + 9), 0x000000FFu);
    EXPECT_NE(gl_.Pixel(16, 296 - 20 - 40 * 6), 0x000000FFu);
    EXPECT_EQ(gl_.Pixel(16, 296 - 40 * 7 + 9), 0x000000FFu);
    float colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[1], 1);
}
