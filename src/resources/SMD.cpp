// Readers of the SMD-style mesh and animation files: nodes, skeleton frames and triangles.
#include "resources/SMD.h"

#include "core/Error.h"
#include "resources/Extractor.h"
#include "resources/Skeleton.h"
#include "resources/StrFunc.h"
#include "resources/TextureSource.h"

namespace {

constexpr float kHalfPi = 1.5707963267948966f;

// Every skeleton read gets the next number, so callers can tell animations apart.
int NextAnimationSerial = 0;

void ReadNodes(TTextFile& file, const std::string& path, TActor& actor) {
    actor.nodes.clear();
    for (std::string rest = file.ReadTrimmedLine(); rest != "end"; rest = file.ReadTrimmedLine()) {
        NextToken(rest); // the index is the line's position
        TNode node;
        node.name = NextToken(rest);
        node.parent = ParseInt(NextToken(rest));
        // Node matrices are built in one pass, so a parent has to be read before its children.
        if (node.parent < -1 || node.parent >= actor.NodeCount())
            throw EGameError("Node \"" + node.name + "\" of " + path + " has parent " +
                             std::to_string(node.parent) + ", which is not an earlier node");
        actor.nodes.push_back(node);
    }
    if (actor.nodes.empty()) throw EGameError(path + " has no nodes");
    for (int i = 0; i < actor.NodeCount(); ++i)
        if (actor.nodes[i].parent >= 0) actor.nodes[actor.nodes[i].parent].children.push_back(i);
}

TVector4 ReadVector(TLineTokens& tokens) {
    const float x = tokens.Float();
    const float y = tokens.Float();
    const float z = tokens.Float();
    return MakeVector(x, y, z);
}

TMeshVertex ReadVertex(TTextFile& file, const std::string& path, const TActor& actor) {
    TLineTokens tokens(file.ReadTrimmedLine());
    TMeshVertex vertex;
    vertex.node = tokens.Int();
    if (vertex.node < 0 || vertex.node >= actor.NodeCount())
        throw EGameError(path + " has a vertex of node " + std::to_string(vertex.node) +
                         ", which it does not have");
    vertex.position = ReadVector(tokens);
    vertex.normal = ReadVector(tokens);
    vertex.u = tokens.Float();
    vertex.v = tokens.Float();
    return vertex;
}

void SetBoundingBox(TActor& actor, const TVector4& low, const TVector4& high) {
    for (int top = 0; top < 2; ++top) {
        const float z = top ? high.z : low.z;
        actor.boundingBox[top * 4 + 0] = MakeVector4(low.x, high.y, z, 1);
        actor.boundingBox[top * 4 + 1] = MakeVector4(low.x, low.y, z, 1);
        actor.boundingBox[top * 4 + 2] = MakeVector4(high.x, low.y, z, 1);
        actor.boundingBox[top * 4 + 3] = MakeVector4(high.x, high.y, z, 1);
    }
}

void ReadTriangles(TTextFile& file, const std::string& path, TActor& actor, TTextureSource& textures) {
    const std::string directory = ExtractFileDir(path);
    actor.textureGroups.clear();
    TBox box;
    box.Add({}); // the box starts at the origin
    std::string previousMaterial;
    for (std::string material = file.ReadTrimmedLine(); material != "end";
         material = file.ReadTrimmedLine()) {
        // Only a run of the same material shares a group; a material seen earlier starts a new one.
        if (actor.textureGroups.empty() || material != previousMaterial) {
            TSMDTextureGroup group;
            group.materialPath = directory + material;
            group.texture = textures.Load(group.materialPath);
            actor.textureGroups.push_back(std::move(group));
        }
        previousMaterial = material;
        for (int corner = 0; corner < 3; ++corner) {
            const TMeshVertex vertex = ReadVertex(file, path, actor);
            box.Add(vertex.position);
            actor.textureGroups.back().vertices.push_back(vertex);
        }
    }
    SetBoundingBox(actor, box.low, box.high);
    for (TSMDTextureGroup& group : actor.textureGroups)
        group.skinnedVertices = group.vertices;
}

} // namespace

void ReadSkeleton(TTextFile& file, const std::string& path, const TActor& actor, bool& axisFix,
                  TAnimation& animation) {
    animation.serial = NextAnimationSerial++;
    // A fresh frame list: earlier copies of this animation keep theirs.
    animation.frames = std::make_shared<std::vector<TFrame>>();
    for (std::string rest = file.ReadTrimmedLine(); rest != "end"; rest = file.ReadTrimmedLine()) {
        Expect(NextToken(rest), "time");
        Expect(NextToken(rest), std::to_string(animation.FrameCount()));
        animation.frames->emplace_back(actor.NodeCount());
        TFrame& frame = animation.frames->back();
        for (int node = 0; node < actor.NodeCount(); ++node) {
            TLineTokens line(file.ReadTrimmedLine());
            Expect(line.Next(), std::to_string(node));
            TNodeTransform& transform = frame[node];
            transform.position = ReadVector(line);
            transform.rotation = ReadVector(line);
            // Exporters that turn z-up scenes to y-up leave node 0 turned by a quarter about x.
            if (animation.FrameCount() == 1 && node == 0 && transform.rotation.x >= 1.5f &&
                transform.rotation.x <= 1.6f)
                axisFix = true;
            if (axisFix) {
                if (node == 0) transform.rotation.x -= kHalfPi;
                transform.position =
                    MakeVector(transform.position.x, -transform.position.z, transform.position.y);
            }
            UpdateNodeMatrices(actor, frame, node);
        }
    }
    if (animation.FrameCount() == 0) throw EGameError(path + " has a skeleton without frames");
}

void ReadMeshFile(const std::string& path, TActor& actor, bool& axisFix, bool prepareSkinning,
                  TTextureSource& textures) {
    TTextFile file(path, *Extractor);
    Expect(file.ReadTrimmedLine(), "version 1");
    Expect(file.ReadTrimmedLine(), "nodes");
    ReadNodes(file, path, actor);
    Expect(file.ReadTrimmedLine(), "skeleton");
    axisFix = false;
    ReadSkeleton(file, path, actor, axisFix, actor.bindPose);
    Expect(file.ReadTrimmedLine(), "triangles");
    ReadTriangles(file, path, actor, textures);
    if (prepareSkinning) PrepareSkinning(actor);
    actor.currentAnimation = actor.bindPose;
}

void ReadAnimationFile(const std::string& path, const std::string& modelPath, const TActor& actor,
                       bool& axisFix, TAnimation& animation) {
    TTextFile file(path, *Extractor);
    Expect(file.ReadTrimmedLine(), "version 1");
    Expect(file.ReadTrimmedLine(), "nodes");
    int nodeCount = 0;
    while (file.ReadTrimmedLine() != "end")
        ++nodeCount;
    if (nodeCount != actor.NodeCount())
        ContinueOrAbort("Wrong animation file. File Name = \"" + modelPath +
                        "\". Actor node count = " + std::to_string(actor.NodeCount()) +
                        ". Animation node count = " + std::to_string(nodeCount) + ". Continue?");
    Expect(file.ReadTrimmedLine(), "skeleton");
    ReadSkeleton(file, path, actor, axisFix, animation);
    animation.fileName = path;
}
