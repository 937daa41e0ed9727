// Stencil shadow volumes from model meshes.
#include "world/ShadowVolume.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <utility>

#include "resources/Matrix.h"
#include "resources/OGLExt.h"

namespace {

// How far the silhouette is pulled away from the light, in lengths of the light vector.
constexpr float kExtrusion = 10;

using TPoint = std::array<float, 3>;

TPoint PointOf(const TVector4& p) {
    return {p.x, p.y, p.z};
}

// Floats that compare equal hash alike (adding 0 turns -0 into 0). The library's float hash
// runs a byte hash per coordinate, most of a volume's build.
struct TPointHash {
    size_t operator()(const TPoint& p) const {
        uint64_t hash = 0;
        for (float coordinate : p) {
            const float folded = coordinate + 0.0f;
            uint32_t bits;
            std::memcpy(&bits, &folded, sizeof bits);
            hash = (hash ^ bits) * 0x9E3779B97F4A7C15ull;
        }
        return static_cast<size_t>(hash ^ (hash >> 32));
    }
};

} // namespace

// The edges of the lit triangles that no other lit triangle shares: a shared edge is met twice
// and cancels. Found by its two ends in either order through a hash table: searched for one by
// one, the edges were half the build, which lands in the frame that first shows the object.
class TShadowVolume::TEdgeSet {
public:
    void Reserve(size_t edges) {
        edges_.reserve(edges);
        where_.reserve(edges);
    }
    void Toggle(const TVector4& a, const TVector4& b) {
        const auto [at, added] = where_.try_emplace(KeyOf(a, b), edges_.size());
        if (added) {
            edges_.push_back({a, b});
            return;
        }
        const size_t index = at->second;
        where_.erase(at);
        if (index + 1 != edges_.size()) {
            edges_[index] = edges_.back();
            where_[KeyOf(edges_[index].a, edges_[index].b)] = index;
        }
        edges_.pop_back();
    }
    const std::vector<TEdge>& Edges() const { return edges_; }

private:
    using TKey = std::pair<TPoint, TPoint>;
    struct TKeyHash {
        size_t operator()(const TKey& key) const { return TPointHash()(key.first) * 31 ^ TPointHash()(key.second); }
    };
    static TKey KeyOf(const TVector4& a, const TVector4& b) {
        const TPoint p = PointOf(a), q = PointOf(b);
        return q < p ? TKey{q, p} : TKey{p, q};
    }

    std::vector<TEdge> edges_;
    std::unordered_map<TKey, size_t, TKeyHash> where_;
};

void TShadowVolume::AddMesh(const void* first, int stride, int vertexCount) {
    const char* bytes = static_cast<const char*>(first);
    for (int i = 0; i < vertexCount; ++i) {
        TVector4 position;
        std::memcpy(&position, bytes + static_cast<size_t>(i) * stride, sizeof position);
        sources_.push_back(position);
    }
}

void TShadowVolume::Build(const TVector4& light, float groundZ) {
    volume_.clear();
    const size_t triangles = sources_.size() / 3;
    TEdgeSet edges;
    edges.Reserve(triangles * 3);
    for (size_t t = 0; t < triangles; ++t) {
        const TVector4& k1 = sources_[3 * t];
        const TVector4& k2 = sources_[3 * t + 1];
        const TVector4& k3 = sources_[3 * t + 2];
        const TVector4 n = TriangleNormal(k1, k2, k3);
        if (Dot(n, light) < 0) continue;
        edges.Toggle(k1, k2);
        edges.Toggle(k2, k3);
        edges.Toggle(k3, k1);
        volume_.push_back(k3);
        volume_.push_back(k2);
        volume_.push_back(k1);
    }
    float top = groundZ;
    for (const TEdge& edge : edges.Edges())
        top = std::max({top, edge.a.z, edge.b.z});
    float extrusion = kExtrusion;
    if (light.z > 0) extrusion = std::min(extrusion, (top - groundZ + kBelowGround) / light.z);
    const TVector4 away = Scale(light, extrusion);
    for (const TEdge& edge : edges.Edges()) {
        const TVector4 a2 = Subtract(edge.a, away);
        const TVector4 b2 = Subtract(edge.b, away);
        volume_.insert(volume_.end(), {edge.a, edge.b, a2, edge.b, b2, a2});
    }
    box_ = {};
    for (const TVector4& p : volume_)
        box_.Add(p);
    IndexCorners();
}

void TShadowVolume::IndexCorners() {
    corners_.clear();
    triangles_.clear();
    std::unordered_map<TPoint, uint32_t, TPointHash> seen;
    seen.reserve(volume_.size());
    for (const TVector4& p : volume_) {
        const auto [at, added] = seen.try_emplace(PointOf(p), static_cast<uint32_t>(corners_.size()));
        if (added) corners_.push_back(p);
        triangles_.push_back(at->second);
    }
}

void TShadowVolume::Draw() const {
    if (volume_.empty()) return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(TVector4), corners_.data());
    const GLsizei count = static_cast<GLsizei>(triangles_.size());
    if (oglext::glStencilOpSeparate) {
        oglext::glStencilOpSeparate(GL_BACK, GL_KEEP, GL_INCR, GL_KEEP);
        oglext::glStencilOpSeparate(GL_FRONT, GL_KEEP, GL_DECR, GL_KEEP);
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, triangles_.data());
        return;
    }
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glStencilOp(GL_KEEP, GL_INCR, GL_KEEP);
    glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, triangles_.data());
    glCullFace(GL_BACK);
    glStencilOp(GL_KEEP, GL_DECR, GL_KEEP);
    glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, triangles_.data());
    glDisable(GL_CULL_FACE);
}
