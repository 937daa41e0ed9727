// A scratch program directory the game's globals point at for the life of one object:
// ProgramDir is a fresh temp dir and Extractor its archive (empty until opened). Both
// globals get their old values back afterwards.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "resources/ArchiveWriter.h"
#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "support/TestFiles.h"

class TScratchProgram : public TTempDir {
public:
    TScratchProgram() : savedDir_(ProgramDir), savedExtractor_(Extractor) {
        ProgramDir = Path();
        archive.SetBaseDirectory(ProgramDir);
        Extractor = &archive;
    }
    ~TScratchProgram() {
        ProgramDir = savedDir_;
        Extractor = savedExtractor_;
    }

    // Writes a loose file at `relative` ('/' separators); returns the game's path for it.
    std::string Put(const std::string& relative, const std::string& bytes) const {
        Write(relative, bytes);
        std::string path = relative;
        std::replace(path.begin(), path.end(), '/', '\\');
        return Path() + path;
    }
    // Packs {stored path, bytes} members into an archive outside the program directory and
    // opens it as the program's archive; returns the archive's file.
    std::string PackArchive(const std::vector<std::pair<std::string, std::string>>& members) {
        std::vector<TArchiveSource> sources;
        for (size_t i = 0; i < members.size(); ++i)
            sources.push_back({members[i].first, sources_.Write("m" + std::to_string(i), members[i].second)});
        const std::string file = sources_.Path() + "Data.dpg";
        WriteArchive(file, sources);
        OpenArchive(file);
        return file;
    }
    void OpenArchive(const std::string& file) {
        archive.Open(file);
        archive.SetBaseDirectory(ProgramDir);
    }

    TExtractor archive;

private:
    TTempDir sources_;
    std::string savedDir_;
    TExtractor* savedExtractor_;
};
