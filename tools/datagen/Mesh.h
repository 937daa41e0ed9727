// A skeletal mesh built from low-poly primitives and written as SMD text (mesh and animations).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

struct TVec3 {
    double x = 0, y = 0, z = 0;
    TVec3 operator+(const TVec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    TVec3 operator-(const TVec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    TVec3 operator*(double s) const { return {x * s, y * s, z * s}; }
};

double Dot(const TVec3& a, const TVec3& b);
TVec3 Cross(const TVec3& a, const TVec3& b);
TVec3 Normalized(const TVec3& v);
// `v` turned by Euler angles the way the game builds node matrices: Rz(z) * Ry(y) * Rx(x).
TVec3 Rotated(const TVec3& v, const TVec3& angles);

// A part of a model's texture atlas, in texture coordinates (v = 0 is the picture's top row).
struct TUvRect {
    double u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};
// The rectangle of pixels (x, y, w, h) of a `size` × `size` atlas.
TUvRect AtlasRect(int x, int y, int w, int h, int size = 256);

// A point of the skeleton in one frame: position relative to the parent, Euler rotation in radians.
struct TNodePose {
    TVec3 position, rotation;
};
using TSkeletonFrame = std::vector<TNodePose>;

class TMesh {
public:
    // Nodes are numbered in the order they are added; the first is the root (parent -1).
    // `position` is relative to the parent; the bind pose has no rotations, so a node's model
    // position is the sum of its ancestors' positions.
    int AddNode(const std::string& name, int parent, const TVec3& position);
    TVec3 NodeModelPosition(int node) const;
    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    const std::string& NodeName(int node) const { return nodes_[node].name; }
    // Node poses of the bind pose, for building animation frames from.
    TSkeletonFrame BindFrame() const;

    // Following triangles use this texture (a file name beside the SMD file) and skin to `bone`.
    void Use(const std::string& material, int bone) {
        material_ = material;
        bone_ = bone;
    }

    // Flat-shaded polygon (convex, any winding: faces away from `inside`), mapped by planar
    // projection of `bounds` onto `uv`.
    void Polygon(const std::vector<TVec3>& corners, const TVec3& inside, const TUvRect& uv, const TVec3& lo,
                 const TVec3& hi);
    // Axis-aligned box; `top` for the +z face, `sides` for the others.
    void Box(const TVec3& lo, const TVec3& hi, const TUvRect& sides, const TUvRect& top);
    void Box(const TVec3& lo, const TVec3& hi, const TUvRect& all) { Box(lo, hi, all, all); }
    // A convex side profile in the (y, z) plane extruded across x: half width `bottomHalf` at the
    // profile's lowest z narrowing linearly to `topHalf` at its highest. `faceUv(i)` maps the face
    // between profile points i and i + 1; the two profile faces use `profileUv`.
    struct TProfilePoint {
        double y, z;
    };
    template <typename F>
    void Extrude(double centreX, const std::vector<TProfilePoint>& profile, double bottomHalf, double topHalf,
                 const TUvRect& profileUv, F faceUv);
    // Cylinder around an axis parallel to x, y or z ('x', 'y', 'z'); smooth sides mapped once
    // around `sideUv`, flat caps mapped by projection onto `capUv` (the end `capped` says which).
    void Cylinder(const TVec3& centre, char axis, double radius, double length, int segments,
                  const TUvRect& sideUv, const TUvRect& capUv, bool capped = true, double topRadius = -1);
    // Faceted ellipsoid; `jitter` moves each ring point in and out by up to that fraction.
    void Ellipsoid(const TVec3& centre, const TVec3& radii, int rings, int segments, const TUvRect& uv,
                   double jitter = 0, unsigned seed = 1);

    // The mesh file: nodes, the bind pose as "time 0" and the triangles.
    std::string Smd() const;
    // An animation file: the same nodes and one skeleton frame per entry.
    std::string AnimationSmd(const std::vector<TSkeletonFrame>& frames) const;
    // Positions of the vertices skinned to `bone`, relative to the bone's node.
    std::vector<TVec3> BoneVertices(int bone) const;
    // Lowest and highest vertex position, for checks and previews.
    void Bounds(TVec3& lo, TVec3& hi) const;

private:
    struct TNode {
        std::string name;
        int parent;
        TVec3 position;
    };
    struct TVertex {
        TVec3 position, normal;
        double u, v;
    };
    struct TTriangle {
        std::string material;
        int bone;
        TVertex v[3];
    };
    void AddTriangle(const TVertex& a, const TVertex& b, const TVertex& c, const TVec3& outward);
    std::string Nodes() const;

    std::vector<TNode> nodes_;
    std::vector<TTriangle> triangles_;
    std::string material_;
    int bone_ = 0;
};

template <typename F>
void TMesh::Extrude(double centreX, const std::vector<TProfilePoint>& profile, double bottomHalf,
                    double topHalf, const TUvRect& profileUv, F faceUv) {
    double zMin = profile[0].z, zMax = profile[0].z, yMin = profile[0].y, yMax = profile[0].y;
    for (const TProfilePoint& p : profile) {
        zMin = std::min(zMin, p.z), zMax = std::max(zMax, p.z);
        yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
    }
    auto half = [&](double z) { return bottomHalf + (topHalf - bottomHalf) * (z - zMin) / (zMax - zMin); };
    const size_t n = profile.size();
    std::vector<TVec3> left, right;
    TVec3 centre;
    for (const TProfilePoint& p : profile) {
        left.push_back({centreX - half(p.z), p.y, p.z});
        right.push_back({centreX + half(p.z), p.y, p.z});
        centre = centre + TVec3{centreX, p.y, p.z} * (1.0 / n);
    }
    const double widest = std::max(bottomHalf, topHalf);
    const TVec3 lo{centreX - widest, yMin, zMin}, hi{centreX + widest, yMax, zMax};
    Polygon(left, centre, profileUv, lo, hi);
    Polygon(right, centre, profileUv, lo, hi);
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        Polygon({left[i], left[j], right[j], right[i]}, centre, faceUv(i), lo, hi);
    }
}
