// Node matrices, bone-space vertices, posing (CPU skinning) and extra node transforms.
#include "resources/Skeleton.h"

#include "core/Error.h"

namespace {

// World matrix from the node's current local matrix (the root rule included).
void LinkNode(const TActor& actor, TFrame& frame, int node) {
    TNodeTransform& transform = frame[node];
    const int parent = actor.nodes[node].parent;
    if (parent < 0) {
        transform.local = actor.bindPose.Frame(0)[0].local;
        transform.world = transform.local;
    } else {
        transform.world = AffineProduct(frame[parent].world, transform.local);
    }
}

// Rᵀ · v for the rotation part of m.
TVector4 InverseRotate(const TMatrix& m, const TVector4& v) {
    return MakeVector(m[0] * v.x + m[1] * v.y + m[2] * v.z, m[4] * v.x + m[5] * v.y + m[6] * v.z,
                      m[8] * v.x + m[9] * v.y + m[10] * v.z);
}

// m · (v, w) for an affine m, keeping w.
TVector4 Transform(const TMatrix& m, const TVector4& v, float w) {
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12] * w,
            m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13] * w,
            m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14] * w, w};
}

const TFrame& CheckedFrame(const TActor& actor, const TAnimation& animation, int frameIndex) {
    if (frameIndex < 0 || frameIndex >= animation.FrameCount())
        throw EGameError("Frame " + std::to_string(frameIndex) + " is outside the animation \"" +
                         animation.fileName + "\"");
    const TFrame& frame = animation.Frame(frameIndex);
    if (static_cast<int>(frame.size()) != actor.NodeCount())
        throw EGameError("The animation \"" + animation.fileName + "\" belongs to another skeleton");
    return frame;
}

} // namespace

void UpdateNodeMatrices(const TActor& actor, TFrame& frame, int node) {
    TNodeTransform& transform = frame[node];
    transform.local = RotationMatrix(transform.rotation, transform.position);
    LinkNode(actor, frame, node);
}

void PrepareSkinning(TActor& actor) {
    const TFrame& bind = actor.bindPose.Frame(0);
    for (TSMDTextureGroup& group : actor.textureGroups)
        for (TMeshVertex& vertex : group.vertices) {
            const TMatrix& world = bind[vertex.node].world;
            const TVector4 translation = MakeVector(world[12], world[13], world[14]);
            vertex.position = InverseRotate(world, Subtract(vertex.position, translation));
            // Normals are directions: they turn with the bone but do not move with it.
            vertex.normal = InverseRotate(world, vertex.normal);
        }
}

void Pose(TActor& actor, const TAnimation& animation, int frameIndex) {
    const TFrame& frame = CheckedFrame(actor, animation, frameIndex);
    actor.currentAnimation = animation;
    for (TSMDTextureGroup& group : actor.textureGroups) {
        const size_t count = group.vertices.size();
        for (size_t i = 0; i < count; ++i) {
            const TMeshVertex& source = group.vertices[i];
            TMeshVertex& skinned = group.skinnedVertices[i];
            const TMatrix& world = frame[source.node].world;
            skinned.position = Transform(world, source.position, 1);
            skinned.normal = Transform(world, source.normal, 0);
        }
    }
    if (!actor.hasHitBoxes) return;
    for (THitBoxList& list : actor.hitBoxes)
        for (THitBox& box : list.boxes)
            for (int corner = 0; corner < 8; ++corner)
                box.posed[corner] = Transform(frame[box.node].world, box.corners[corner], 1);
}

void ApplyNodeTransform(const TActor& actor, TAnimation& animation, int frameIndex, const TVector4& position,
                        const TVector4& rotation, int node) {
    CheckedFrame(actor, animation, frameIndex);
    if (node < 0 || node >= actor.NodeCount())
        throw EGameError("Node " + std::to_string(node) + " is outside the skeleton");
    TFrame& frame = animation.Frame(frameIndex);
    LinkNode(actor, frame, node);
    frame[node].world = AffineProduct(frame[node].world, RotationMatrix(rotation, position));
    for (int later = node + 1; later < actor.NodeCount(); ++later)
        UpdateNodeMatrices(actor, frame, later);
}
