// The cars of a stage drawn on the generated data: every draw leaves the scene lit as it found
// it, and the player's car breaks up as it dies.
#include "gameplay/HudState.h"
#include "gameplay/Player.h"
#include "gameplay/TrafficControl.h"
#include "resources/DataPath.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/TextureSource.h"
#include "support/GeneratedGame.h"
#include "support/GfxFixture.h"
#include "world/BonusTypes.h"
#include "world/Camera.h"
#include "world/Lights.h"

namespace {

int DifferingBytes(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int differing = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        differing += a[i] != b[i];
    return differing;
}

class GameplayDrawTest : public GfxTest {
protected:
    GameplayDrawTest() : GfxTest(160, 120) {}

    void SetUp() override {
        GfxTest::SetUp();
        if (IsSkipped()) return;
        if (!HaveGeneratedData()) GTEST_SKIP() << "no generated data";
        data_ = std::make_unique<TGeneratedGame>(program_.Path());
        LoadGLExtensions();
        ModelLib = &models_;
        player_.LoadAssets();
        traffic_.LoadAssets();
        player_.blinkTime = 0;
        lights_.SetGlobalLight({{900, -50, 700, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        // Behind and above the player's car at x = -10, looking down the road.
        CameraPosition = {-10, 10, 8.4f, 0};
        CameraAngles = {0, -50, 180, 0};
    }
    void TearDown() override {
        ActiveBonus = BT_NONE;
        ResetCamera();
        GfxTest::TearDown();
    }

    void AddCar(float x, float y) {
        TSpawnedCar spawned;
        spawned.Position = {x, y, 0, 0};
        spawned.Health = 100;
        spawned.Model = ModelLib->Load(DataPath("Data\\Models\\Cars\\Car_01.hsa"), false);
        traffic_.AddCar(spawned);
    }
    // The lit scene: traffic, then the player's car.
    std::vector<uint8_t> Draw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SetUpView(Viewport);
        lights_.SwitchOn();
        traffic_.Render();
        player_.Render();
        return gl_.ReadPixels();
    }

    std::unique_ptr<TGeneratedGame> data_;
    TModelLib models_{LibraryTextures()};
    TGameContext game_;
    TPlayer player_{game_};
    TTrafficControl traffic_{game_};
    TLightsControl lights_;
};

} // namespace

TEST_F(GameplayDrawTest, ACarLooksTheSameAfterAnotherLiveCar) {
    AddCar(-5, -8);
    const std::vector<uint8_t> alone = Draw();
    traffic_.Clear();
    AddCar(-10, 100); // live, behind the camera
    AddCar(-5, -8);
    EXPECT_EQ(DifferingBytes(Draw(), alone), 0);
    // Nor does the player's trail or ghost leave the scene unlit.
    for (const int bonus : {BT_NITRO, BT_GHOST}) {
        ActiveBonus = bonus;
        Draw();
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << bonus;
    }
}

TEST_F(GameplayDrawTest, ThePlayersCarBreaksUpOneFrameEveryFiftyMilliseconds) {
    const std::vector<uint8_t> whole = Draw();
    player_.Destroyed = true; // out of time: the gunner still stands
    std::vector<std::vector<uint8_t>> dying;
    for (const int ms : {0, 1000, 5000, 7000}) {
        player_.dyingTime = ms;
        dying.push_back(Draw());
    }
    EXPECT_EQ(DifferingBytes(dying[0], whole), 0) << "it starts from the whole car";
    EXPECT_GT(DifferingBytes(dying[1], dying[0]), 0);
    EXPECT_GT(DifferingBytes(dying[2], dying[1]), 0);
    EXPECT_EQ(DifferingBytes(dying[3], dying[2]), 0) << "the last frame holds";
}
