// A skeletal mesh built from low-poly primitives and written as SMD text (mesh and animations).
#include "Mesh.h"

#include "Random.h"

#include <cmath>
#include <cstdio>

double Dot(const TVec3& a, const TVec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TVec3 Cross(const TVec3& a, const TVec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

TVec3 Normalized(const TVec3& v) {
    const double length = std::sqrt(Dot(v, v));
    return length > 0 ? v * (1 / length) : v;
}

TVec3 Rotated(const TVec3& v, const TVec3& a) {
    const double cx = std::cos(a.x), sx = std::sin(a.x), cy = std::cos(a.y), sy = std::sin(a.y),
                 cz = std::cos(a.z), sz = std::sin(a.z);
    const TVec3 x{v.x, cx * v.y - sx * v.z, sx * v.y + cx * v.z};
    const TVec3 y{cy * x.x + sy * x.z, x.y, -sy * x.x + cy * x.z};
    return {cz * y.x - sz * y.y, sz * y.x + cz * y.y, y.z};
}

TUvRect AtlasRect(int x, int y, int w, int h, int size) {
    const double s = size;
    // Half a pixel in from the edge, so mipmaps do not bleed the neighbouring part in.
    return {(x + 0.5) / s, (y + 0.5) / s, (x + w - 0.5) / s, (y + h - 0.5) / s};
}

namespace {

// Fixed notation with no "-0": the same text on every run, and numbers the game's reader accepts.
std::string Number(double value) {
    if (std::fabs(value) < 0.000005) value = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", value);
    return text;
}

std::string Triple(const TVec3& v) {
    return Number(v.x) + " " + Number(v.y) + " " + Number(v.z);
}

// The game's line reader splits at CR and skips the byte after it.
constexpr const char* kEol = "\r\n";

} // namespace

int TMesh::AddNode(const std::string& name, int parent, const TVec3& position) {
    nodes_.push_back({name, parent, position});
    return static_cast<int>(nodes_.size()) - 1;
}

TVec3 TMesh::NodeModelPosition(int node) const {
    TVec3 p;
    for (int n = node; n >= 0; n = nodes_[n].parent)
        p = p + nodes_[n].position;
    return p;
}

TSkeletonFrame TMesh::BindFrame() const {
    TSkeletonFrame frame;
    for (const TNode& node : nodes_)
        frame.push_back({node.position, {}});
    return frame;
}

void TMesh::AddTriangle(const TVertex& a, const TVertex& b, const TVertex& c, const TVec3& outward) {
    // Counter-clockwise seen from outside, as editors expect.
    if (Dot(Cross(b.position - a.position, c.position - a.position), outward) < 0)
        triangles_.push_back({material_, bone_, {a, c, b}});
    else
        triangles_.push_back({material_, bone_, {a, b, c}});
}

void TMesh::Polygon(const std::vector<TVec3>& corners, const TVec3& inside, const TUvRect& uv,
                    const TVec3& lo, const TVec3& hi) {
    TVec3 normal; // Newell's method: robust for any planar polygon
    TVec3 centre;
    for (size_t i = 0; i < corners.size(); ++i) {
        const TVec3& a = corners[i];
        const TVec3& b = corners[(i + 1) % corners.size()];
        normal =
            normal + TVec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
        centre = centre + a * (1.0 / corners.size());
    }
    normal = Normalized(normal);
    if (Dot(normal, centre - inside) < 0) normal = normal * -1;

    // Project onto the plane of the two axes the face is most nearly parallel to; the picture's
    // top is up (+z) on walls and the front (-y) on roofs.
    const double ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
    auto fraction = [](double value, double from, double to) {
        return to != from ? (value - from) / (to - from) : 0.5;
    };
    std::vector<TVertex> vertices;
    for (const TVec3& p : corners) {
        double s, t;
        if (az >= ax && az >= ay) {
            s = fraction(p.x, lo.x, hi.x);
            t = fraction(p.y, lo.y, hi.y);
        } else if (ax >= ay) {
            s = fraction(p.y, lo.y, hi.y);
            t = fraction(p.z, hi.z, lo.z);
        } else {
            s = fraction(p.x, lo.x, hi.x);
            t = fraction(p.z, hi.z, lo.z);
        }
        vertices.push_back({p, normal, uv.u0 + (uv.u1 - uv.u0) * s, uv.v0 + (uv.v1 - uv.v0) * t});
    }
    for (size_t i = 1; i + 1 < vertices.size(); ++i)
        AddTriangle(vertices[0], vertices[i], vertices[i + 1], normal);
}

void TMesh::Box(const TVec3& lo, const TVec3& hi, const TUvRect& sides, const TUvRect& top) {
    const TVec3 c = (lo + hi) * 0.5;
    auto corner = [&](int i) { return TVec3{i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z}; };
    const int faces[6][4] = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4},
                             {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};
    for (int f = 0; f < 6; ++f)
        Polygon({corner(faces[f][0]), corner(faces[f][1]), corner(faces[f][2]), corner(faces[f][3])}, c,
                f == 5 ? top : sides, lo, hi);
}

void TMesh::Cylinder(const TVec3& centre, char axis, double radius, double length, int segments,
                     const TUvRect& sideUv, const TUvRect& capUv, bool capped, double topRadius) {
    if (topRadius < 0) topRadius = radius;
    // Local frame: `along` is the axis, (a, b) span the circle.
    const TVec3 along = axis == 'x' ? TVec3{1, 0, 0} : axis == 'y' ? TVec3{0, 1, 0} : TVec3{0, 0, 1};
    const TVec3 a = axis == 'z' ? TVec3{1, 0, 0} : TVec3{0, 0, 1};
    const TVec3 b = Cross(along, a);
    const TVec3 start = centre - along * (length / 2), end = centre + along * (length / 2);
    const double slope = (radius - topRadius) / length;
    for (int i = 0; i < segments; ++i) {
        const double a0 = 2 * M_PI * i / segments, a1 = 2 * M_PI * (i + 1) / segments;
        const TVec3 d0 = a * std::cos(a0) + b * std::sin(a0), d1 = a * std::cos(a1) + b * std::sin(a1);
        const TVec3 n0 = Normalized(d0 + along * slope), n1 = Normalized(d1 + along * slope);
        const double u0 = sideUv.u0 + (sideUv.u1 - sideUv.u0) * i / segments,
                     u1 = sideUv.u0 + (sideUv.u1 - sideUv.u0) * (i + 1) / segments;
        const TVertex p00{start + d0 * radius, n0, u0, sideUv.v1},
            p01{start + d1 * radius, n1, u1, sideUv.v1}, p10{end + d0 * topRadius, n0, u0, sideUv.v0},
            p11{end + d1 * topRadius, n1, u1, sideUv.v0};
        const TVec3 outward = d0 + d1;
        AddTriangle(p00, p01, p11, outward);
        if (topRadius > 0) AddTriangle(p00, p11, p10, outward);
    }
    if (!capped) return;
    const double r = std::max(radius, topRadius);
    const TVec3 lo = centre - TVec3{r, r, r}, hi = centre + TVec3{r, r, r};
    for (int end01 = 0; end01 < 2; ++end01) {
        const double rr = end01 ? topRadius : radius;
        if (rr <= 0) continue;
        const TVec3 base = end01 ? end : start;
        std::vector<TVec3> ring;
        for (int i = 0; i < segments; ++i) {
            const double angle = 2 * M_PI * i / segments;
            ring.push_back(base + (a * std::cos(angle) + b * std::sin(angle)) * rr);
        }
        Polygon(ring, centre, capUv, lo, hi);
    }
}

void TMesh::Ellipsoid(const TVec3& centre, const TVec3& radii, int rings, int segments, const TUvRect& uv,
                      double jitter, unsigned seed) {
    TRandom random(seed);
    std::vector<std::vector<TVec3>> grid(rings + 1, std::vector<TVec3>(segments));
    for (int r = 0; r <= rings; ++r)
        for (int s = 0; s < segments; ++s) {
            const double polar = M_PI * r / rings, azimuth = 2 * M_PI * (s + 0.5 * (r % 2)) / segments;
            const double k = (r == 0 || r == rings) ? 1 : 1 + jitter * random.Signed();
            const TVec3 d{std::sin(polar) * std::cos(azimuth), std::sin(polar) * std::sin(azimuth),
                          std::cos(polar)};
            grid[r][s] = centre + TVec3{d.x * radii.x, d.y * radii.y, d.z * radii.z} * k;
        }
    const TVec3 lo = centre - radii * 1.3, hi = centre + radii * 1.3;
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < segments; ++s) {
            const int t = (s + 1) % segments;
            if (r == 0)
                Polygon({grid[0][0], grid[1][s], grid[1][t]}, centre, uv, lo, hi);
            else if (r == rings - 1)
                Polygon({grid[r][s], grid[r][t], grid[rings][0]}, centre, uv, lo, hi);
            else {
                Polygon({grid[r][s], grid[r][t], grid[r + 1][t]}, centre, uv, lo, hi);
                Polygon({grid[r][s], grid[r + 1][t], grid[r + 1][s]}, centre, uv, lo, hi);
            }
        }
}

std::string TMesh::Nodes() const {
    std::string text = std::string("version 1") + kEol + "nodes" + kEol;
    for (size_t i = 0; i < nodes_.size(); ++i)
        text += std::to_string(i) + " \"" + nodes_[i].name + "\" " + std::to_string(nodes_[i].parent) + kEol;
    return text + "end" + kEol;
}

std::string TMesh::AnimationSmd(const std::vector<TSkeletonFrame>& frames) const {
    std::string text = Nodes() + "skeleton" + kEol;
    for (size_t f = 0; f < frames.size(); ++f) {
        text += "time " + std::to_string(f) + kEol;
        for (size_t i = 0; i < nodes_.size(); ++i)
            text += std::to_string(i) + " " + Triple(frames[f][i].position) + " " +
                    Triple(frames[f][i].rotation) + kEol;
    }
    return text + "end" + kEol;
}

std::string TMesh::Smd() const {
    std::string text = AnimationSmd({BindFrame()}) + "triangles" + kEol;
    for (const TTriangle& t : triangles_) {
        text += t.material + kEol;
        for (const TVertex& v : t.v)
            text += std::to_string(t.bone) + " " + Triple(v.position) + " " + Triple(v.normal) + " " +
                    Number(v.u) + " " + Number(v.v) + kEol;
    }
    return text + "end" + kEol;
}

std::vector<TVec3> TMesh::BoneVertices(int bone) const {
    const TVec3 origin = NodeModelPosition(bone);
    std::vector<TVec3> vertices;
    for (const TTriangle& t : triangles_)
        if (t.bone == bone)
            for (const TVertex& v : t.v)
                vertices.push_back(v.position - origin);
    return vertices;
}

void TMesh::Bounds(TVec3& lo, TVec3& hi) const {
    lo = hi = {};
    bool first = true;
    for (const TTriangle& t : triangles_)
        for (const TVertex& v : t.v) {
            const TVec3& p = v.position;
            if (first) lo = hi = p, first = false;
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        }
}
