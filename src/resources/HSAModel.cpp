// Loading a model from its ".hsa" descriptor: version 1 or 2, meshes, hit boxes, animations.
#include "resources/HSAModel.h"

#include "core/Error.h"
#include "resources/Extractor.h"
#include "resources/HitBoxes.h"
#include "resources/StrFunc.h"
#include "core/TextCase.h"

void THSAModel::Load(const std::string& path, bool prepareSkinning) {
    path_ = path;
    actors_.clear();
    animations_.clear();
    currentActor_ = 0;
    // The descriptor is read untrimmed: its lines are file names.
    const std::vector<std::string> lines = TTextFile(path, *Extractor).ReadAllLines();
    if (lines.empty()) throw EGameError("Model descriptor " + path + " is empty");

    int meshCount = 1; // a version-1 descriptor names its one mesh on line 1
    size_t next = 0;
    if (lines[0] == "version 2") {
        if (lines.size() < 2) throw EGameError("Model descriptor " + path + " has no mesh count");
        meshCount = ParseInt(Trim(lines[1]));
        next = 2;
    }
    if (meshCount < 1 || static_cast<size_t>(meshCount) > lines.size() - next)
        throw EGameError("Model descriptor " + path + " names " + std::to_string(meshCount) +
                         " meshes but lists " + std::to_string(lines.size() - next) + " lines");

    const std::string descriptorDirectory = ExtractFileDir(path);
    actors_.resize(meshCount);
    for (TActor& actor : actors_) {
        const std::string& line = lines[next++];
        const std::string directory = ExtractFileDir(descriptorDirectory + line);
        ReadMeshFile(directory + ExtractFileName(line), actor, axisFix_, prepareSkinning, textures_);
    }

    CurrentActor().hasHitBoxes = false;
    if (next < lines.size() && UpperCase(ExtractFileExt(lines[next])) == ".HB") {
        ReadHitBoxes(CurrentActor(), descriptorDirectory + lines[next++]);
        CurrentActor().hasHitBoxes = true;
    }
    ReadAnimations(lines, next, descriptorDirectory);
    for (const TActor& actor : actors_)
        for (const TSMDTextureGroup& group : actor.textureGroups)
            for (const TMeshVertex& vertex : group.vertices)
                box_.Add(vertex.position);
    UploadVertexBuffers();
}

void THSAModel::ReadAnimations(const std::vector<std::string>& lines, size_t next,
                               const std::string& directory) {
    // Lines come in pairs (file, frames per second); an unpaired last line is ignored.
    animations_.resize((lines.size() - next) / 2);
    for (TAnimation& animation : animations_) {
        const std::string& file = lines[next++];
        const std::string& rateLine = lines[next++];
        const int rate = ParseInt(Trim(rateLine));
        // A whole number of milliseconds per frame, never 0, so callers can divide by it.
        if (rate < 1 || rate > 1000)
            throw EGameError("Model descriptor " + path_ + " gives " + file + " a frame rate of " +
                             Trim(rateLine) + " (1 to 1000 frames per second)");
        ReadAnimationFile(directory + file, path_, CurrentActor(), axisFix_, animation);
        animation.frameTime = 1000 / rate;
        animation.duration = animation.frameTime * animation.FrameCount();
    }
}

TAnimation* THSAModel::Animation(int index) {
    if (index < 0 || index >= AnimationCount()) return nullptr;
    return &animations_[index];
}

int THSAModel::FindNode(const std::string& name) const {
    const std::vector<TNode>& nodes = CurrentActor().nodes;
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].name == name) return static_cast<int>(i);
    throw EGameError("Node \"" + name + "\" not found.");
}
