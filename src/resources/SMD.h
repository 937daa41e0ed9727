// The in-memory model records and the readers of SMD-style mesh and animation files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "resources/Matrix.h"
#include "resources/Vector.h"

class TTextFile;
class TTextureSource;

struct TNodeTransform {
    TVector4 position;
    TVector4 rotation; // radians
    TMatrix local{};
    TMatrix world{};
};

// One transform per node of the actor.
using TFrame = std::vector<TNodeTransform>;

struct TAnimation {
    int serial = 0;    // one per skeleton read, program-wide
    int frameTime = 0; // ms
    int duration = 0;  // ms
    // Copies of an animation share their frames, so an actor's current animation sees what
    // ApplyNodeTransform changes in the animation it was posed with.
    std::shared_ptr<std::vector<TFrame>> frames = std::make_shared<std::vector<TFrame>>();
    std::string fileName;

    int FrameCount() const { return static_cast<int>(frames->size()); }
    const TFrame& Frame(int index) const { return (*frames)[index]; }
    TFrame& Frame(int index) { return (*frames)[index]; }
};

struct TNode {
    std::string name;
    int parent = -1; // -1 for a root; always an earlier node
    std::vector<int> children;
};

// The 44-byte vertex that goes to the vertex buffer and the GL array pointers as it is.
struct TMeshVertex {
    TVector4 position; // w unused in the mesh, 1 after skinning
    TVector4 normal;   // w unused
    float u = 0;
    float v = 0;
    int32_t node = 0;
};
static_assert(sizeof(TMeshVertex) == 44);
static_assert(offsetof(TMeshVertex, normal) == 16 && offsetof(TMeshVertex, u) == 32 &&
              offsetof(TMeshVertex, node) == 40);

struct TSMDTextureGroup {
    int texture = 0;
    std::vector<TMeshVertex> vertices;
    std::vector<TMeshVertex> skinnedVertices;
    uint32_t vertexBuffer = 0; // 0 when drawn from client memory
    std::string materialPath;

    int VertexCount() const { return static_cast<int>(vertices.size()); }
};

struct THitBox {
    std::array<TVector4, 8> corners; // actor space
    std::array<TVector4, 8> posed;
    int node = 0;
};

struct THitBoxList {
    std::vector<THitBox> boxes;
    float typeValue = 0;
};

constexpr int kHitBoxTypes = 7;

struct TActor {
    std::vector<TNode> nodes;
    std::array<THitBoxList, kHitBoxTypes> hitBoxes; // types 1 .. 7
    // Corners (min x, max y, min z), (min x, min y, min z), (max x, min y, min z),
    // (max x, max y, min z), then the same with max z. Always contains the origin.
    std::array<TVector4, 8> boundingBox;
    bool hasHitBoxes = false;
    TAnimation bindPose;
    TAnimation currentAnimation;
    std::vector<TSMDTextureGroup> textureGroups;

    int NodeCount() const { return static_cast<int>(nodes.size()); }
};

// Reads a mesh file into `actor`. The axis fix is cleared before its skeleton is read.
void ReadMeshFile(const std::string& path, TActor& actor, bool& axisFix, bool prepareSkinning,
                  TTextureSource& textures);
// Reads an animation file for `actor`; `modelPath` only names the model in the node-count check.
void ReadAnimationFile(const std::string& path, const std::string& modelPath, const TActor& actor,
                       bool& axisFix, TAnimation& animation);
// Reads a "skeleton" section (after its keyword) up to its "end".
void ReadSkeleton(TTextFile& file, const std::string& path, const TActor& actor, bool& axisFix,
                  TAnimation& animation);
