// Today's screens end on ground: from each stage's camera, at the field of view at its widest,
// no pixel of the 3D view at 16:9, 21:9 or 5:4 keeps the clear colour, whichever block of the
// set fills the track and however far the car is into the nearest block; the horizon fills only
// what the ground leaves.
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/OpenIL.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "support/GLContext.h"
#include "support/GeneratedGame.h"
#include "support/TestFiles.h"
#include "world/Camera.h"
#include "world/IniFile.h"
#include "world/Track.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

struct TStageView {
    std::string set;
    float vertical, horizontal, angle;
    bool operator<(const TStageView& o) const {
        return std::tie(set, vertical, horizontal, angle) < std::tie(o.set, o.vertical, o.horizontal, o.angle);
    }
};

// The stages' block sets and camera values, each pair once, with the first stage that has it.
std::map<TStageView, int> StageViews(TExtractor& archive) {
    std::map<TStageView, int> views;
    for (int stage = 15; stage >= 1; --stage) {
        const TIniFile ini(archive.ReadMember(archive.FindMember(ProgramDir + "Data\\Maps\\Track" + std::to_string(stage) + ".cfg")));
        views[{ini.ReadString("Mission", "Blocks", "grass"), ini.ReadFloat("Camera", "Vertical", 50),
                ini.ReadFloat("Camera", "Horizontal", 12), ini.ReadFloat("Camera", "Angle", -38)}] = stage;
    }
    return views;
}

std::vector<uint32_t> Pixels(const TViewport& view) {
    std::vector<uint32_t> rgba(static_cast<size_t>(view.width) * view.height);
    glReadPixels(view.x, view.y, view.width, view.height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

bool IsClear(uint32_t rgba) {
    return (rgba & 0xFFFFFF) == 0xFF00FF;
}

} // namespace

TEST(TrackViewEdgeTest, EveryBlockFillsTheWidestViewFromEachStageCamera) {
    if (!HaveGeneratedData()) GTEST_SKIP() << "no generated data";
    TGLContext gl(2560, 1080);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    TGeneratedGame game(GeneratedDataDir());
    InitIL();
    LoadGLExtensions();
    TTextureLib textures;
    TTextureLib* savedTextures = std::exchange(TextureLib, &textures);
    TModelLib models(LibraryTextures());
    ModelLib = &models;
    TTempDir dir;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glClearColor(1, 0, 1, 1);
    const float widest = 75;

    // Every block at 21:9 in a quarter of the size, whose view holds those of 16:9 and 5:4; a
    // plain block at the full sizes. The view reaches farthest ahead when the car is at the end
    // of the nearest block.
    struct TShot {
        TViewport screen;
        float scroll;
    };
    const std::vector<TShot> small = {{{0, 0, 640, 270}, 0.5f}, {{0, 0, 640, 270}, 40}};
    const std::vector<TShot> full = {
        {{0, 0, 1920, 1080}, 40}, {{0, 0, 2560, 1080}, 40}, {{0, 0, 1280, 1024}, 40}};
    std::map<std::string, std::unique_ptr<TTrack>> tracks;
    for (const auto& [view, stage] : StageViews(game.archive)) {
        std::unique_ptr<TTrack>& track = tracks[view.set];
        if (!track) track = std::make_unique<TTrack>(ProgramDir + "Data\\Maps\\" + view.set + "\\main.trk");
        for (int block = 0; block < track->BlockCount(); ++block) {
            std::string sequence(TTrack::kMinSequenceLength * 4, '\0');
            for (size_t i = 0; i < sequence.size(); i += 4)
                sequence[i] = static_cast<char>(block);
            track->LoadSequence(dir.Write("one_block.seq", sequence));
            for (const TShot& shot : block == 1 ? full : small) {
                track->SetScroll(shot.scroll);
                CameraPosition = {0, view.horizontal - 40, view.vertical, 0};
                CameraAngles = {0, view.angle, 180, 0};
                FieldOfView = widest;
                glViewport(0, 0, 2560, 1080);
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                SetUpView(shot.screen);
                track->RenderGround();
                const std::vector<uint32_t> ground = Pixels(shot.screen);
                track->RenderHorizon();
                const std::vector<uint32_t> scene = Pixels(shot.screen);
                int clear = 0, changed = 0;
                for (size_t i = 0; i < scene.size(); ++i) {
                    clear += IsClear(scene[i]);
                    // The horizon, drawn after the ground, fills only what the ground left.
                    changed += !IsClear(ground[i]) && scene[i] != ground[i];
                }
                EXPECT_EQ(std::make_pair(clear, changed), std::make_pair(0, 0))
                    << "stage " << stage << " (" << view.set << "), block " << block << ", scroll "
                    << shot.scroll << ", " << shot.screen.width << " x " << shot.screen.height;
            }
        }
    }
    TextureLib = savedTextures;
}
