// The ".eff" sprite-effect files: a frame time in ms, then one texture file per frame.
#include "resources/EFF.h"

#include "core/Error.h"
#include "resources/Extractor.h"
#include "resources/StrFunc.h"

TEffFile ReadEffFile(const std::string& path) {
    const std::vector<std::string> lines = TTextFile(path, *Extractor).ReadAllLines();
    const std::string name = "Sprite effect \"" + path + "\"";
    if (lines.size() < 2) throw EGameError(name + " has no frames");

    TEffFile effect;
    try {
        effect.frameTime = ParseInt(Trim(lines[0]));
    } catch (const EGameError& error) {
        throw EGameError(name + ": " + error.what());
    }
    // Frames are chosen by age div frame time.
    if (effect.frameTime < 1)
        throw EGameError(name + " has a frame time of " + std::to_string(effect.frameTime) + " ms");
    const std::string directory = ExtractFileDir(path);
    for (size_t i = 1; i < lines.size(); ++i)
        effect.frameFiles.push_back(directory + lines[i]);
    return effect;
}
