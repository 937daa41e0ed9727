// datagen_preview: draws every model of a built Data.dpg (and the player car breaking up) through
// the game's own loaders into one PNG per view, for looking the 3D data over.
#include "app/Globals.h"
#include "platform/Platform.h"
#include "platform/PngWriter.h"
#include "resources/Extractor.h"
#include "resources/HSAModel.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/OpenIL.h"
#include "resources/Skeleton.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 320;

std::string FileName(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path.substr(path.find_last_of('/') + 1);
}

// A three-quarter view from ahead and to the left of the model, framed to its bounding box.
void BeginView(const TActor& actor) {
    float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
    for (const TVector4& c : actor.boundingBox) {
        const float p[3] = {c.x, c.y, c.z};
        for (int i = 0; i < 3; ++i)
            lo[i] = std::min(lo[i], p[i]), hi[i] = std::max(hi[i], p[i]);
    }
    float radius = 0;
    for (int i = 0; i < 3; ++i)
        radius = std::max(radius, (hi[i] - lo[i]) / 2);
    const float cx = (lo[0] + hi[0]) / 2, cy = (lo[1] + hi[1]) / 2, cz = (lo[2] + hi[2]) / 2;
    const float d = radius * 3.2f + 0.5f;
    glClearColor(0.11f, 0.125f, 0.29f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(35, 1, d * 0.05, d * 4);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(cx + d * 0.55, cy - d * 0.7, cz + d * 0.5, cx, cy, cz, 0, 0, 1);
    const float light[4] = {0.5f, -0.4f, 1.0f, 0}, ambient[4] = {0.45f, 0.42f, 0.45f, 1},
                diffuse[4] = {0.9f, 0.8f, 0.7f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
}

void Save(const std::string& path) {
    std::vector<uint8_t> pixels(kSize * kSize * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    if (!WritePng(path, kSize, kSize, pixels)) throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(
            stderr,
            "usage: datagen_preview PROGRAM_DIR OUTPUT_DIR\n"
            "  PROGRAM_DIR holds Data.dpg and the loose files; one PNG per view goes to OUTPUT_DIR\n");
        return 2;
    }
    try {
        ProgramDir = std::string(argv[1]) + "/";
        const std::string out = std::string(argv[2]) + "/";
        if (!platform::InitVideo() ||
            platform::CreateWindow("preview", kSize, kSize, false) != platform::WindowResult::Ok)
            throw std::runtime_error("no OpenGL window (is DISPLAY set?)");
        LoadGLExtensions();
        InitIL();
        TExtractor archive;
        archive.Open(ProgramDir + "Data.dpg");
        archive.SetBaseDirectory(ProgramDir);
        Extractor = &archive;
        TTextureLib textures;
        TextureLib = &textures;
        TModelLib models(LibraryTextures());

        glViewport(0, 0, kSize, kSize);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_NORMALIZE);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);

        std::vector<std::string> paths;
        for (int i = 0; i < archive.EntryCount(); ++i) {
            const std::string& name = archive.MemberName(i);
            if (name.size() > 4 && name.substr(name.size() - 4) == ".hsa") paths.push_back(name);
        }
        std::sort(paths.begin(), paths.end());
        for (const std::string& path : paths) {
            THSAModel* model = models.Load(ProgramDir + path, false);
            BeginView(model->CurrentActor());
            model->Draw();
            Save(out + "model_" + FileName(path) + ".png");
        }
        // The break-up, posed the way the player code does it.
        THSAModel player(LibraryTextures());
        player.Load(ProgramDir + "Data\\Models\\Player\\Player.hsa", true);
        for (int frame : {0, 6, 20, 99}) {
            TAnimation* breakUp = player.Animation(1);
            Pose(player.CurrentActor(), *breakUp, std::min(frame, breakUp->FrameCount() - 1));
            BeginView(player.CurrentActor());
            player.DrawSkinned();
            Save(out + "player_break_" + std::to_string(frame) + ".png");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen_preview: %s\n", e.what());
        return 1;
    }
    return 0;
}
