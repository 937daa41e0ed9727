// The ".HB" hit-box files, read from disk beside the model.
#include "resources/HitBoxes.h"

#include "core/Error.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"
#include "resources/StrFunc.h"

namespace {

THitBox ReadBox(std::string rest, const TActor& actor, int& type, float& typeValue) {
    std::string tokens[9];
    for (std::string& token : tokens) {
        token = NextToken(rest);
        if (token.empty()) throw EGameError("fewer than nine values");
    }
    type = ParseInt(tokens[0]);
    if (type < 1 || type > kHitBoxTypes) throw EGameError("type " + tokens[0] + " is not 1 to 7");
    THitBox box;
    box.node = ParseInt(tokens[1]);
    if (box.node < 0 || box.node >= actor.NodeCount())
        throw EGameError("node " + tokens[1] + " is not in the model");
    typeValue = ParseFloat(tokens[2]);
    const float x1 = ParseFloat(tokens[3]), y1 = ParseFloat(tokens[4]), z1 = ParseFloat(tokens[5]);
    const float x2 = ParseFloat(tokens[6]), y2 = ParseFloat(tokens[7]), z2 = ParseFloat(tokens[8]);
    box.corners = {MakeVector4(x1, y1, z1, 1), MakeVector4(x2, y1, z1, 1), MakeVector4(x2, y2, z1, 1),
                   MakeVector4(x1, y2, z1, 1), MakeVector4(x1, y1, z2, 1), MakeVector4(x2, y1, z2, 1),
                   MakeVector4(x2, y2, z2, 1), MakeVector4(x1, y2, z2, 1)};
    box.posed = box.corners;
    return box;
}

} // namespace

void ReadHitBoxes(TActor& actor, const std::string& path) {
    std::string bytes;
    const std::string file = platform::ResolveFile(path);
    if (file.empty() || !platform::ReadWholeFile(file, bytes)) throw EGameError("File not found " + path);
    size_t position = 0;
    for (int number = 1; position < bytes.size(); ++number) {
        const std::string line = NextLine(bytes, position);
        if (Trim(line).empty()) continue;
        try {
            int type = 0;
            float typeValue = 0;
            const THitBox box = ReadBox(line, actor, type, typeValue);
            actor.hitBoxes[type - 1].boxes.push_back(box);
            actor.hitBoxes[type - 1].typeValue = typeValue;
        } catch (const EGameError& error) {
            throw EGameError("Bad hit box in " + path + ", line " + std::to_string(number) + ": " +
                             error.what());
        }
    }
}
