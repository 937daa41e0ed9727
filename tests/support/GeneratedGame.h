// The generated Data.dpg as the game's archive for the life of one object. The game's globals
// that the data tests point elsewhere (ProgramDir, Extractor, ModelLib) all get their old
// values back afterwards.
#pragma once

#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "resources/ModelLib.h"
#include "resources/StrFunc.h"
#include "world/MapController.h"

#include <filesystem>
#include <string>

// Only builds with the generated data have the archive; their tests skip without it.
inline bool HaveGeneratedData() {
    return std::filesystem::exists(KESTROVA_DATA_ARCHIVE);
}

// The archive's own folder, where the loose files the game reads from disk only are installed.
inline std::string GeneratedDataDir() {
    return std::filesystem::path(KESTROVA_DATA_ARCHIVE).parent_path().string() + "/";
}

class TGeneratedGame {
public:
    // `programDir` ends with '/'; archive members are found under it.
    explicit TGeneratedGame(const std::string& programDir)
        : savedDir_(ProgramDir), savedExtractor_(Extractor), savedModels_(ModelLib) {
        archive.Open(KESTROVA_DATA_ARCHIVE);
        ProgramDir = programDir;
        archive.SetBaseDirectory(ProgramDir);
        Extractor = &archive;
    }
    ~TGeneratedGame() {
        ProgramDir = savedDir_;
        Extractor = savedExtractor_;
        ModelLib = savedModels_;
    }
    TGeneratedGame(const TGeneratedGame&) = delete;
    TGeneratedGame& operator=(const TGeneratedGame&) = delete;

    TExtractor archive;

private:
    std::string savedDir_;
    TExtractor* savedExtractor_;
    TModelLib* savedModels_;
};
