// CPU skinning (vertices per second) and loading a 10 000-triangle SMD model.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "resources/Extractor.h"
#include "resources/HSAModel.h"
#include "resources/Skeleton.h"
#include "resources/TextureSource.h"
#include "support/TestFiles.h"

namespace {

class TNoTextures : public TTextureSource {
public:
    int Load(const std::string&) override { return 0; }
    void Bind(int) override {}
};

constexpr int kNodes = 24;

// A chain of nodes, each a unit further along x and slightly turned, with `triangles`
// triangles spread over the nodes and four materials.
std::string MeshText(int triangles) {
    std::string text = "version 1\r\nnodes\r\n";
    for (int node = 0; node < kNodes; ++node)
        text += std::to_string(node) + " \"bone" + std::to_string(node) + "\" " + std::to_string(node - 1) +
                "\r\n";
    text += "end\r\nskeleton\r\n";
    for (int frame = 0; frame < 2; ++frame) {
        text += "time " + std::to_string(frame) + "\r\n";
        for (int node = 0; node < kNodes; ++node)
            text += std::to_string(node) + " " + (node ? "1.0" : "0.0") + " 0.0 0.0 0.0 0.0 " +
                    std::to_string(0.05 * frame * node) + "\r\n";
    }
    text += "end\r\ntriangles\r\n";
    for (int i = 0; i < triangles; ++i) {
        text += "mat" + std::to_string(i * 4 / triangles) + ".png\r\n";
        const int node = i % kNodes;
        for (int corner = 0; corner < 3; ++corner) {
            const double x = node + 0.1 * corner, y = std::sin(i * 0.01) + corner, z = 0.001 * i;
            text += std::to_string(node) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(z) + " 0.0 0.0 1.0 " + std::to_string(0.5 * corner) + " 0.25\r\n";
        }
    }
    return text + "end\r\n";
}

// A model of `triangles` triangles on disk, loaded through the readers as the game does.
class TModelOnDisk {
public:
    explicit TModelOnDisk(int triangles) {
        Extractor = &archive_;
        dir_.Write("bench.smd", MeshText(triangles));
        path_ = dir_.Write("bench.hsa", "version 2\r\n1\r\nbench.smd\r\n");
    }
    ~TModelOnDisk() { Extractor = nullptr; }
    const std::string& Path() const { return path_; }
    TNoTextures textures;

private:
    TTempDir dir_;
    TExtractor archive_;
    std::string path_;
};

void BM_LoadModel10kTriangles(benchmark::State& state) {
    TModelOnDisk files(10000);
    for (auto _ : state) {
        THSAModel model(files.textures);
        model.Load(files.Path(), true);
        benchmark::DoNotOptimize(model.CurrentActor().textureGroups.data());
    }
}
BENCHMARK(BM_LoadModel10kTriangles)->Unit(benchmark::kMillisecond);

void BM_CpuSkinning(benchmark::State& state) {
    const int triangles = static_cast<int>(state.range(0));
    TModelOnDisk files(triangles);
    THSAModel model(files.textures);
    model.Load(files.Path(), true);
    TActor& actor = model.CurrentActor();
    int frame = 0;
    for (auto _ : state) {
        Pose(actor, actor.bindPose, frame);
        frame ^= 1;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * triangles * 3);
}
BENCHMARK(BM_CpuSkinning)->Arg(1000)->Arg(10000);

} // namespace
