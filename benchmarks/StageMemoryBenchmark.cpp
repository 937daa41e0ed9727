// Resident memory over stage loads: the fifteen generated stages loaded one after another,
// twice, into one game environment. Every stage load frees the previous stage's track, so
// the second round should take next to nothing more than the first (counter growth_MB).
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/Environment.h"
#include "resources/DataPath.h"
#include "resources/EffectLib.h"
#include "resources/Extractor.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/OpenIL.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "settings/Configure.h"
#include "support/GLContext.h"

namespace {

double ResidentMegabytes() {
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
    return static_cast<double>(resident) * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

void LoadEveryStage(TEnvironment& environment) {
    for (int stage = 1; stage <= 15; ++stage)
        environment.LoadStage(DataPath("Data\\Maps\\Track" + std::to_string(stage) + ".cfg"));
}

void BM_FifteenStagesTwice(benchmark::State& state) {
    TGLContext gl(800, 600);
    if (!gl.Ok() || !std::filesystem::exists(KESTROVA_DATA_ARCHIVE)) {
        state.SkipWithError("needs a display and the generated Data.dpg");
        return;
    }
    // The game's services as start-up creates them; the loose files lie beside the archive.
    LoadGLExtensions();
    InitIL();
    ProgramDir = std::filesystem::path(KESTROVA_DATA_ARCHIVE).parent_path().string() + "/";
    TExtractor archive;
    archive.Open(KESTROVA_DATA_ARCHIVE);
    archive.SetBaseDirectory(ProgramDir);
    Extractor = &archive;
    TConfig config;
    Config = &config;
    TTextureLib textures;
    TextureLib = &textures;
    TModelLib models(LibraryTextures());
    ModelLib = &models;
    TSoundLib sounds(false);
    SoundLib = &sounds;
    TEffectLib effects(LibraryTextures());
    EffectLib = &effects;
    {
        TEnvironment environment;
        for (auto _ : state) {
            LoadEveryStage(environment);
            const double first = ResidentMegabytes();
            LoadEveryStage(environment);
            state.counters["first_round_MB"] = first;
            state.counters["growth_MB"] = ResidentMegabytes() - first;
        }
    }
    EffectLib = nullptr;
    SoundLib = nullptr;
    ModelLib = nullptr;
    TextureLib = nullptr;
    Config = nullptr;
    Extractor = nullptr;
}
BENCHMARK(BM_FifteenStagesTwice)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
