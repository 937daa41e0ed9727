// A stencil shadow volume: the light-facing triangles of a mesh plus its silhouette edges
// extruded away from the light, built once and drawn into the stencil buffer.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/Matrix.h"

class TShadowVolume {
public:
    static constexpr float kBelowGround = 4;
    // The stencil count a pass starts from. One draw for both faces takes a volume's increments
    // and decrements in its triangles' order, and a count going below zero on the way must not
    // stick at zero; a pixel is in shadow where the count ends above it.
    static constexpr int kStencilZero = 128;

    // Appends `vertexCount` positions read as four floats every `stride` bytes from `first`.
    void AddMesh(const void* first, int stride, int vertexCount);
    // Rebuilds the volume for the light vector `light` (in the mesh's own frame, not normalised).
    // The silhouette is pulled away from the light until it lies kBelowGround under the ground
    // plane z = `groundZ` (mesh frame), and never further than ten light vectors: what is
    // below the ground is never seen, and a longer volume only costs fill rate.
    void Build(const TVector4& light, float groundZ);
    // Where the depth test fails, back faces increment and front faces decrement the stencil;
    // the caller sets up the pass. One draw for both faces where the driver has separate stencil
    // operations, else a draw for each. Drawn by index over each position once: the driver then
    // transforms a shared corner once, where the triangles' own corners would cost it twice.
    void Draw() const;

    const std::vector<TVector4>& Sources() const { return sources_; }
    const std::vector<TVector4>& Volume() const { return volume_; }
    const TBox& Box() const { return box_; } // around the volume, mesh frame

private:
    struct TEdge {
        TVector4 a;
        TVector4 b;
    };
    class TEdgeSet;
    void IndexCorners();

    std::vector<TVector4> sources_;
    std::vector<TVector4> volume_;
    std::vector<TVector4> corners_;   // each position of the volume once
    std::vector<uint32_t> triangles_; // the volume's triangles as indices into corners_
    TBox box_;
};
