// Stencil shadow volumes from model meshes.
#include "world/ShadowVolume.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "resources/Matrix.h"
#include "resources/OGLExt.h"

namespace {

// How far the silhouette is pulled away from the light, in lengths of the light vector.
constexpr float kExtrusion = 10;

} // namespace

void TShadowVolume::AddMesh(const void* first, int stride, int vertexCount) {
    const char* bytes = static_cast<const char*>(first);
    for (int i = 0; i < vertexCount; ++i) {
        TVector4 position;
        std::memcpy(&position, bytes + static_cast<size_t>(i) * stride, sizeof position);
        sources_.push_back(position);
    }
}

void TShadowVolume::ToggleEdge(std::vector<TEdge>& edges, const TVector4& a, const TVector4& b) {
    for (size_t i = 0; i < edges.size(); ++i) {
        const TEdge& edge = edges[i];
        if ((SamePosition(edge.a, a) && SamePosition(edge.b, b)) ||
            (SamePosition(edge.a, b) && SamePosition(edge.b, a))) {
            edges[i] = edges.back();
            edges.pop_back();
            return;
        }
    }
    edges.push_back({a, b});
}

void TShadowVolume::Build(const TVector4& light, float groundZ) {
    volume_.clear();
    const size_t triangles = sources_.size() / 3;
    std::vector<TEdge> edges;
    edges.reserve(triangles * 3);
    for (size_t t = 0; t < triangles; ++t) {
        const TVector4& k1 = sources_[3 * t];
        const TVector4& k2 = sources_[3 * t + 1];
        const TVector4& k3 = sources_[3 * t + 2];
        const TVector4 n = TriangleNormal(k1, k2, k3);
        if (Dot(n, light) < 0) continue;
        ToggleEdge(edges, k1, k2);
        ToggleEdge(edges, k2, k3);
        ToggleEdge(edges, k3, k1);
        volume_.push_back(k3);
        volume_.push_back(k2);
        volume_.push_back(k1);
    }
    float top = groundZ;
    for (const TEdge& edge : edges)
        top = std::max({top, edge.a.z, edge.b.z});
    float extrusion = kExtrusion;
    if (light.z > 0) extrusion = std::min(extrusion, (top - groundZ + kBelowGround) / light.z);
    const TVector4 away = Scale(light, extrusion);
    for (const TEdge& edge : edges) {
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
    std::map<std::array<float, 3>, uint32_t> seen;
    for (const TVector4& p : volume_) {
        const auto [at, added] = seen.try_emplace({p.x, p.y, p.z}, static_cast<uint32_t>(corners_.size()));
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
