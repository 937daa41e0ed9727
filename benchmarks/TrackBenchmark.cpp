// Drawing a track's three passes and its shadow volumes at 800 x 600 (llvmpipe under Xvfb):
// seven blocks of road, verges, kerbs and buildings with scene objects on every layer.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <array>
#include <memory>
#include <string>

#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "resources/Textures.h"
#include "support/GLContext.h"
#include "support/ImageFiles.h"
#include "support/TestFiles.h"
#include "world/Camera.h"
#include "world/Lights.h"
#include "world/MapTable.h"
#include "world/MapText.h"
#include "world/Track.h"

namespace {

// Block textures are named ".jpg"; the benchmark writes TGA pictures of the same names.
class TTgaBlockTextures : public TBlockTextures {
public:
    int Load(const std::string& path) override {
        return TextureLib->Load(path.substr(0, path.size() - 4) + ".tga", GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    }
    int Width(int texture) const override { return TextureLib->Width(texture); }
    int Height(int texture) const override { return TextureLib->Height(texture); }
    void Bind(int texture) const override { TextureLib->Bind(texture); }
};

std::string SolidTga(int size, uint8_t r, uint8_t g, uint8_t b) {
    imagefiles::TBytesOut pixels;
    for (int i = 0; i < size * size; ++i)
        pixels.insert(pixels.end(), {b, g, r});
    return imagefiles::AsString(imagefiles::MakeTGA(size, size, pixels));
}

// A box model of `boxes` stacked crates (12 triangles each).
std::string CrateMesh(int boxes) {
    std::string text =
        "version 1\r\nnodes\r\n0 \"root\" -1\r\nend\r\nskeleton\r\ntime 0\r\n0 0 0 0 0 0 0\r\nend\r\n"
        "triangles\r\n";
    const auto vertex = [](float x, float y, float z) {
        return "0 " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) +
               " 0 0 1 0 0\r\n";
    };
    for (int k = 0; k < boxes; ++k) {
        const float x0 = -1, y0 = -1, z0 = 2.0f * k, x1 = 1, y1 = 1, z1 = z0 + 2;
        const float quads[6][4][3] = {{{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}},
                                      {{x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}},
                                      {{x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}},
                                      {{x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}},
                                      {{x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}},
                                      {{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}}};
        for (const auto& q : quads)
            for (const auto& triangle : {std::array<int, 3>{0, 2, 1}, std::array<int, 3>{0, 3, 2}}) {
                text += "crate.tga\r\n";
                for (int i : triangle)
                    text += vertex(q[i][0], q[i][1], q[i][2]);
            }
    }
    return text + "end\r\n";
}

std::string BlockMap() {
    std::vector<TBrushText> brushes = {
        {-640, 0, -64, 640, 2048, 0, "road"},      {640, 0, -64, 2560, 2048, 8, "grass"},
        {-2560, 0, -64, -640, 2048, 8, "grass"},   {2560, 0, -64, 4000, 2048, 256, "wall"},
        {-4000, 0, -64, -2560, 2048, 256, "wall"},
    };
    for (int i = 0; i < 8; ++i) {
        const int y0 = i * 256;
        brushes.push_back({640, y0, 0, 704, y0 + 128, 16, "kerb"});
        brushes.push_back({-704, y0, 0, -640, y0 + 128, 16, "kerb"});
    }
    std::string entities;
    for (int i = 0; i < 6; ++i)
        entities += EntityText("OBJECT_SIMPLE", {{"Model", "crate"},
                                                 {"origin", std::to_string(i % 2 ? 1200 : -1200) + " " +
                                                                std::to_string(i * 320) + " 0"},
                                                 {"angles", "0 " + std::to_string(i * 30) + " 0"}});
    entities += EntityText("OBJECT_SIMPLE", {{"Model", "crate_vl0"}, {"origin", "0 1024 512"}});
    entities += EntityText("OBJECT_SIMPLE", {{"Model", "crate_vl1"}, {"origin", "0 512 512"}});
    return MapText(brushes, entities);
}

class TTrackScene {
public:
    TTrackScene() : gl_(800, 600) {
        if (!gl_.Ok()) return;
        LoadGLExtensions();
        savedProgramDir_ = ProgramDir;
        ProgramDir = dir_.Path();
        Extractor = &archive_;
        TextureLib = &textureLib_;
        ModelLib = &modelLib_;
        LightsControl = &lights_;
        const TBytes table = BuildMapTable();
        dir_.Write("Data/Tables/Map.ptb", std::string(table.begin(), table.end()));
        dir_.Write("Data/Textures/road.tga", SolidTga(64, 90, 90, 90));
        dir_.Write("Data/Textures/grass.tga", SolidTga(64, 40, 160, 40));
        dir_.Write("Data/Textures/wall.tga", SolidTga(64, 160, 120, 90));
        dir_.Write("Data/Textures/kerb.tga", SolidTga(64, 220, 220, 220));
        for (const char* name : {"crate", "crate_vl0", "crate_vl1"}) {
            dir_.Write(std::string("Data/Objects/") + name + ".smd", CrateMesh(8));
            dir_.Write(std::string("Data/Objects/") + name + ".hsa", std::string(name) + ".smd\r\n");
        }
        dir_.Write("Data/Objects/crate.tga", SolidTga(64, 150, 100, 50));
        std::string list;
        for (const char* name : {"111111_111111", "111111_111111a", "111111_111111b", "111111_111111c"}) {
            dir_.Write(std::string("Data/Maps/Bench/") + name + ".map", BlockMap());
            dir_.Write(std::string("Data/Maps/Bench/") + name + "_col.map",
                       MapText({{-640, 0, -64, 640, 2048, 0, "COL_ROAD"}}));
            list += std::string(name) + "\r\n";
        }
        track_ =
            std::make_unique<TTrack>(dir_.Write("Data/Maps/Bench/main.trk", list), nullptr, blockTextures_);
        lights_.SetGlobalLight({{900, -50, 700, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
        ResetCamera();
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    ~TTrackScene() {
        if (!gl_.Ok()) return;
        ProgramDir = savedProgramDir_;
        Extractor = nullptr;
        TextureLib = nullptr;
        ModelLib = nullptr;
        LightsControl = nullptr;
    }
    bool Ok() const { return gl_.Ok(); }
    TTrack& Track() { return *track_; }
    // The scene part of a game frame: clear, view, lights, the three passes.
    void DrawPasses() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SetUpView({0, 0, 800, 600});
        lights_.SwitchOn();
        track_->Render(0);
        track_->Render(1);
        lights_.SwitchOff();
        track_->Render(2);
    }
    // The shadow stencil pass as the game environment runs it.
    void DrawShadows() {
        glEnable(GL_STENCIL_TEST);
        glClear(GL_STENCIL_BUFFER_BIT);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
        glDepthMask(GL_FALSE);
        glStencilFunc(GL_ALWAYS, 1, ~0u);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        track_->RenderShadows();
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glDepthMask(GL_TRUE);
        glDisable(GL_STENCIL_TEST);
    }
    void Finish() {
        uint8_t pixel[4];
        glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    }

private:
    TGLContext gl_;
    TTempDir dir_;
    TExtractor archive_;
    TTextureLib textureLib_;
    TModelLib modelLib_{LibraryTextures()};
    TLightsControl lights_;
    TTgaBlockTextures blockTextures_;
    std::unique_ptr<TTrack> track_;
    std::string savedProgramDir_;
};

void DrawFrames(benchmark::State& state, bool shadows) {
    TTrackScene scene;
    if (!scene.Ok()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        scene.DrawPasses();
        if (shadows) scene.DrawShadows();
        scene.Finish();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TrackThreePasses(benchmark::State& state) {
    DrawFrames(state, false);
}
BENCHMARK(BM_TrackThreePasses)->Unit(benchmark::kMillisecond);

void BM_TrackPassesAndShadows(benchmark::State& state) {
    DrawFrames(state, true);
}
BENCHMARK(BM_TrackPassesAndShadows)->Unit(benchmark::kMillisecond);

void BM_TrackUpdate(benchmark::State& state) {
    TTrackScene scene;
    if (!scene.Ok()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state)
        scene.Track().Update(16, 120);
}
BENCHMARK(BM_TrackUpdate);

} // namespace
