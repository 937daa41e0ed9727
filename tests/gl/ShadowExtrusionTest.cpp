// Shadow volumes that end just below the ground darken the same pixels of a stage scene as
// volumes ten light lengths long: the generated grass blocks drawn as the game's camera sees
// them, with every shadow-casting object's volume built both ways.
#include "resources/HSAModel.h"
#include "resources/Matrix.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/OpenIL.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "support/GLContext.h"
#include "support/GeneratedGame.h"
#include "world/ShadowVolume.h"
#include "world/Track.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
const TVector4 kSun{900, -50, 700, 1};

// The game's chase camera over the start of a stage.
void GameView() {
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, static_cast<double>(kWidth) / kHeight, 1.0, 500.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-38, 1, 0, 0);
    glRotatef(180, 0, 0, 1);
    glTranslatef(0, 28, -50);
}

// The stencil after every caster's volume, built down to `groundZ` (object frame), is drawn.
std::vector<uint8_t> StencilMask(TTrack& track, float groundZ) {
    glEnable(GL_STENCIL_TEST);
    glClear(GL_STENCIL_BUFFER_BIT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    for (int slot = 3; slot < 3 + TTrack::kVisibleBlocks; ++slot) {
        const TMapController& block = *track.Block(track.Window(slot)).map;
        const float offset = track.Scroll() - TTrack::kBlockLength * (slot - 3);
        for (int i = 0; i < block.Objects().Count(); ++i) {
            const TSimpleObject& object = block.Objects()[i];
            if (!object.Description().castsShadow || object.Layer() != 0) continue;
            TShadowVolume volume;
            for (const TSMDTextureGroup& group : object.Model()->CurrentActor().textureGroups)
                volume.AddMesh(group.vertices.data(), sizeof(TMeshVertex), group.VertexCount());
            const float heading = object.Description().angles.z;
            volume.Build(TransformVector(RotationMatrix({0, 0, -heading, 0}), kSun),
                         groundZ - object.Position().z);
            glPushMatrix();
            glTranslatef(object.Position().x, object.Position().y + offset, object.Position().z);
            glRotatef(heading * 180 / 3.14159265f, 0, 0, 1);
            volume.Draw();
            glPopMatrix();
        }
    }
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    std::vector<uint8_t> mask(kWidth * kHeight);
    glReadPixels(0, 0, kWidth, kHeight, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, mask.data());
    glDisable(GL_STENCIL_TEST);
    return mask;
}

TEST(ShadowExtrusionTest, ShortVolumesDarkenTheSamePixelsAsLongOnes) {
    if (!HaveGeneratedData()) GTEST_SKIP() << "no generated data";
    TGLContext gl(kWidth, kHeight);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    TGeneratedGame game(GeneratedDataDir());
    InitIL();
    LoadGLExtensions();
    TTextureLib textures;
    TTextureLib* savedTextures = TextureLib;
    TextureLib = &textures;
    TModelLib models(LibraryTextures());
    ModelLib = &models;

    TTrack track(ProgramDir + "Data\\Maps\\grass\\main.trk");
    int shadowed = 0;
    int agreeing = 0;
    int pixels = 0;
    for (const float scroll : {5.0f, 25.0f}) {
        track.SetScroll(scroll);
        GameView();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        track.Render(0);
        const std::vector<uint8_t> longMask = StencilMask(track, -1e9f);
        const std::vector<uint8_t> shortMask = StencilMask(track, 0);
        for (size_t i = 0; i < longMask.size(); ++i) {
            shadowed += longMask[i] != 0;
            agreeing += (longMask[i] != 0) == (shortMask[i] != 0);
            ++pixels;
        }
    }
    TextureLib = savedTextures;
    EXPECT_GT(shadowed, 500) << "the scene casts shadows";
    EXPECT_GE(agreeing, pixels * 0.995) << shadowed << " shadowed";
}

} // namespace
