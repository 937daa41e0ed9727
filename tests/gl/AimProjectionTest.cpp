// The autopilot's pointer: a ground point projected to the window lands on the pixel whose
// crosshair un-projects back to it, with the stage's own camera.
#include "support/GfxFixture.h"

#include "platform/PngWriter.h"
#include "resources/Crosshair.h"
#include "world/Camera.h"

#include <cmath>

namespace {

class AimProjectionTest : public GfxTest {
protected:
    AimProjectionTest() : GfxTest(320, 240) {}
};

TEST_F(AimProjectionTest, AGroundPointProjectsOntoThePixelWhoseCrosshairFindsIt) {
    std::vector<uint8_t> marker(8 * 8 * 4, 255);
    program_.Write("Data/Textures/target.png", "");
    ASSERT_TRUE(WritePng(program_.Path() + "Data/Textures/target.png", 8, 8, marker));
    TCrosshair crosshair;

    // The chase camera of a grass stage, the view turned round to look down the road.
    CameraPosition = {3, -28, 50, 0};
    CameraAngles = {0, -38, 180, 0};
    FieldOfView = 67;
    const TViewport view{0, 0, 320, 240};
    SetUpView(view);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBegin(GL_QUADS);
    glVertex3f(-200, -500, 0);
    glVertex3f(200, -500, 0);
    glVertex3f(200, 100, 0);
    glVertex3f(-200, 100, 0);
    glEnd();

    int checked = 0;
    for (float y = -60; y >= -300; y -= 40)
        for (float x = -30; x <= 30; x += 15) {
            float px = 0, py = 0;
            ASSERT_TRUE(ProjectToClient({x, y, 0, 0}, view, px, py));
            if (px < 0 || px >= 320 || py < 0 || py >= 240) continue;
            const platform::TPoint pointer{static_cast<int>(std::lround(px)),
                                           static_cast<int>(std::lround(py))};
            crosshair.Update(pointer.x, pointer.y);
            const TAimPoint& aim = crosshair.WorldAim();
            float ax = 0, ay = 0;
            ASSERT_TRUE(ProjectToClient({float(aim.x), float(aim.y), float(aim.z), 0}, view, ax, ay));
            EXPECT_NEAR(ax, pointer.x, 0.5) << x << "," << y;
            EXPECT_NEAR(ay, pointer.y, 0.5) << x << "," << y;
            EXPECT_NEAR(std::hypot(aim.x - x, aim.y - y), 0, 0.02 * -y) << x << "," << y;
            ++checked;
        }
    EXPECT_GE(checked, 15);
    ResetCamera();
}

} // namespace
