// datagen_preview: draws every model of a built Data.dpg (and the player car breaking up) through
// the game's own loaders into one PNG per view, for looking the 3D data over.
#include "platform/Platform.h"
#include "platform/PngWriter.h"
#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "resources/HSAModel.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/OpenIL.h"
#include "resources/Skeleton.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "world/BlockTextures.h"
#include "world/Camera.h"
#include "world/Lights.h"
#include "world/Track.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 320, kSceneWidth = 640, kSceneHeight = 480;

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

void Save(const std::string& path, int width = kSize, int height = kSize) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    if (!WritePng(path, width, height, pixels)) throw std::runtime_error("cannot write " + path);
}

// A few cars on the road for scale: the player in lane 3 where a stage starts, traffic ahead.
void DrawCars(TModelLib& models) {
    const struct {
        const char* path;
        float x, y;
    } cars[] = {{"Data\\Models\\Player\\Player.hsa", -2.5f, -40},
                {"Data\\Models\\Cars\\Car_01.hsa", 2.5f, -70},
                {"Data\\Models\\Cars\\Car_04.hsa", -7.5f, -95},
                {"Data\\Models\\Cars\\Car_06.hsa", 7.5f, -120}};
    for (const auto& car : cars) {
        glPushMatrix();
        glTranslatef(car.x, car.y, 0);
        models.Load(ProgramDir + car.path, false)->Draw();
        glPopMatrix();
    }
}

// A block set as the game draws it: the first blocks of its short sequence, from the game's
// default camera and from low behind the player's car.
void DrawBlockSet(const std::string& set, TModelLib& models, TLightsControl& lights, const std::string& out) {
    TTrack track(ProgramDir + "Data\\Maps\\" + set + "\\main.trk");
    track.LoadSequence(ProgramDir + "Data\\Maps\\" + set + "\\short.seq");
    for (int view = 0; view < 2; ++view) {
        glClearColor(0.345f, 0.18f, 0.38f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ResetCamera();
        if (view == 0) {
            CameraPosition = {0, -26, 50, 0};
            CameraAngles = {0, -38, 180, 0};
        } else {
            CameraPosition = {-6, -18, 11, 0};
            CameraAngles = {0, -74, 190, 0};
        }
        SetUpView({0, 0, kSceneWidth, kSceneHeight});
        lights.SwitchOn();
        track.RenderGround();
        track.RenderHorizon();
        track.Render(0);
        lights.SwitchOn();
        DrawCars(models);
        track.Render(1);
        lights.SwitchOff();
        track.Render(2);
        Save(out + "blocks_" + set + (view == 0 ? "_game_camera" : "_low") + ".png", kSceneWidth,
             kSceneHeight);
    }
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
        if (!platform::InitVideo() || platform::CreateWindow("preview", kSceneWidth, kSceneHeight, false,
                                                             false, true) != platform::WindowResult::Ok)
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
        ModelLib = &models;
        TLightsControl lights;
        LightsControl = &lights;
        lights.SetGlobalLight(
            {{0.5f, 0.4f, 1, 0}, {0.45f, 0.42f, 0.45f, 1}, {0.9f, 0.8f, 0.7f, 1}, {0, 0, 0, 1}});

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
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        for (const char* set : {"grass", "city", "desert", "winter"})
            DrawBlockSet(set, models, lights, out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen_preview: %s\n", e.what());
        return 1;
    }
    return 0;
}
