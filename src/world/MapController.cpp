// Track block geometry and collision maps: brushes become textured quads batched per
// texture, collision brushes become boxes that the player's wheels are probed against.
#include "world/MapController.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/Error.h"
#include "core/Log.h"
#include "core/TextCase.h"
#include "platform/Platform.h"
#include "resources/DataPath.h"
#include "resources/Matrix.h"
#include "world/EnumNames.h"
#include "world/Lights.h"
#include "world/MemoryStream.h"
#include "world/Parser.h"
#include "world/TokenReader.h"
#include "world/VehicleContact.h"

namespace {

// Map units per world unit: 64 / 1.25.
constexpr float kMapUnitsPerWorldUnit = 51.2f;

} // namespace

TMapController::TMapController(TBlockTextures& textures)
    : parser_(std::make_unique<TTextParser>(DataPath("Data\\Tables\\Map.ptb"))), textures_(textures) {}

TMapController::~TMapController() = default;

void TMapController::Load(const std::string& baseName) {
    Clear();
    name_ = baseName;
    // The textures' sizes are asked for once the block is read, so that the decoding thread has
    // had the reading's time for them; a damaged one's message still comes before any later one.
    try {
        ReadMapFile(baseName + ".map", false);
        ReadMapFile(baseName + "_col.map", true);
    } catch (...) {
        ScaleTextureCoordinates();
        throw;
    }
    ScaleTextureCoordinates();
    objects_.Sort();
    ValidateSpawnPoints();
}

void TMapController::Clear() {
    textureGroups_.clear();
    collisionBoxes_.clear();
    boxesLowX_ = boxesLowY_ = INFINITY;
    boxesHighX_ = boxesHighY_ = -INFINITY;
    spawnPoints_.clear();
    exitPoints_ = {};
    enterPoints_ = {};
}

const TPointSlot& TMapController::ExitPoint(int id) const {
    static const TPointSlot kNone;
    return id >= 1 && id <= kLaneCount ? exitPoints_[id - 1] : kNone;
}

const TPointSlot& TMapController::EnterPoint(int id) const {
    static const TPointSlot kNone;
    return id >= 1 && id <= kLaneCount ? enterPoints_[id - 1] : kNone;
}

void TMapController::ReadMapFile(const std::string& fileName, bool collision) {
    TMemoryStream stream(Extractor->ReadFile(fileName));
    TTokenReader reader(*parser_, stream);
    // A file may hold no brush at all, only entities.
    while (!reader.Token().empty() && reader.Token() != "classname") {
        TBrush brush;
        std::vector<std::string> textures;
        ReadBrush(reader, brush, textures);
        if (collision)
            AddCollisionBox(brush, textures[0]);
        else
            AddBrushGeometry(brush, textures, fileName);
    }
    if (!reader.Token().empty() && !collision) ReadEntities(reader, fileName);
}

void TMapController::ReadBrush(TTokenReader& reader, TBrush& brush, std::vector<std::string>& textures) {
    for (int face = 0; face < 6; ++face) {
        TFacePoint* points = &brush[3 * face];
        for (int i = 0; i < 3; ++i)
            reader.ReadPoint(points[i].position);
        textures.push_back(reader.Token());
        reader.Advance();
        reader.SkipTokens(3);
        const float uOffset = reader.ReadNumber();
        reader.SkipTokens(3);
        const float vOffset = reader.ReadNumber();
        const float rotation = reader.ReadNumber();
        const float uScale = reader.ReadNumber();
        const float vScale = reader.ReadNumber();
        for (int i = 0; i < 3; ++i) {
            points[i].uOffset = uOffset;
            points[i].vOffset = vOffset;
            points[i].rotation = rotation;
            points[i].uScale = uScale;
            points[i].vScale = vScale;
        }
    }
}

void TMapController::AddBrushGeometry(const TBrush& brush, const std::vector<std::string>& textures,
                                      const std::string& fileName) {
    for (int face = 0; face < 6; ++face) {
        const TFacePoint& p1 = brush[3 * face];
        const TFacePoint& p2 = brush[3 * face + 1];
        const TFacePoint& p3 = brush[3 * face + 2];
        const TVector4 n = TriangleNormal(p1.position, p2.position, p3.position);
        // The fourth corner is one that another face names and that lies on this face's plane.
        const TFacePoint* p4 = nullptr;
        for (const TFacePoint& q : brush) {
            if (SamePosition(q.position, p1.position) || SamePosition(q.position, p2.position) ||
                SamePosition(q.position, p3.position))
                continue;
            if (std::fabs(Dot(Subtract(p1.position, q.position), n)) < 0.0001f) {
                p4 = &q;
                break;
            }
        }
        if (!p4) {
            if (Log)
                Log->Write("No fourth corner for face " + std::to_string(face + 1) + " (" + textures[face] +
                           ") of a brush in " + fileName + "; face skipped");
            continue;
        }
        AddQuad(p1, p2, p3, *p4, TextureGroup(textures[face]));
    }
}

TMapTextureGroup& TMapController::TextureGroup(const std::string& name) {
    for (TMapTextureGroup& group : textureGroups_)
        if (group.name == name) return group;
    TMapTextureGroup& group = textureGroups_.emplace_back();
    group.name = name;
    group.texture = textures_.Load(DataPath("Data\\Textures\\" + name + ".jpg"));
    return group;
}

void TMapController::AddQuad(TFacePoint p1, TFacePoint p2, TFacePoint p3, TFacePoint p4,
                             TMapTextureGroup& group) {
    // P4 belongs to another face: this face's normal and texture numbers go onto a copy.
    const TVector4 n = TriangleNormal(p1.position, p2.position, p3.position);
    for (TFacePoint* p : {&p1, &p2, &p3, &p4})
        p->normal = n;
    p4.uOffset = p1.uOffset;
    p4.vOffset = p1.vOffset;
    p4.rotation = p1.rotation;
    p4.uScale = p1.uScale;
    p4.vScale = p1.vScale;
    for (TFacePoint* p : {&p1, &p2, &p3, &p4})
        TextureCoordinates(*p);
    for (const TFacePoint* p : {&p1, &p2, &p3, &p3, &p4, &p1})
        group.vertices.push_back({p->position, p->normal, p->u, p->v});
}

void TMapController::TextureCoordinates(TFacePoint& point) const {
    // A zero scale would give infinite coordinates.
    const float uScale = point.uScale != 0 ? point.uScale : 1;
    const float vScale = point.vScale != 0 ? point.vScale : 1;

    TVector4 q = Scale(point.position, kMapUnitsPerWorldUnit);
    q.x = -q.x;
    q.y = -q.y;
    q.w = 0;
    const float halfPi = static_cast<float>(M_PI) / 2;
    const float a = halfPi - std::acos(std::clamp(point.normal.y, -1.0f, 1.0f));
    const float b = halfPi - std::acos(std::clamp(point.normal.x, -1.0f, 1.0f));
    q = TransformVector(RotationMatrix({a, b, 0, 0}), q);
    q = TransformVector(RotationMatrix({0, 0, point.rotation * static_cast<float>(M_PI) / 180, 0}), q);
    point.u = q.x / uScale + point.uOffset;
    point.v = q.y / vScale - point.vOffset;
}

void TMapController::ScaleTextureCoordinates() {
    for (TMapTextureGroup& group : textureGroups_) {
        // A texture that failed to load would give infinite coordinates.
        const float width = static_cast<float>(std::max(1, textures_.Width(group.texture)));
        const float height = static_cast<float>(std::max(1, textures_.Height(group.texture)));
        for (TMapVertex& vertex : group.vertices) {
            vertex.u /= width;
            vertex.v /= height;
        }
    }
}

void TMapController::AddCollisionBox(const TBrush& brush, const std::string& texture) {
    TCollisionBox box;
    const std::string typeName = UpperCase(texture);
    if (!LookupEnumName(kCollisionTypeNames, typeName, box.type))
        throw EGameError("Unknown collision type: " + typeName);
    for (int face = 0; face < 6; ++face) {
        const TVector4& p1 = brush[3 * face].position;
        box.planes[face] = {p1,
                            TriangleNormal(p1, brush[3 * face + 1].position, brush[3 * face + 2].position)};
    }
    for (int face = 2; face < 6; ++face) {
        // With the other two terms of its dot product zero, a side's test is a comparison of one
        // coordinate.
        const TVector4& n = box.planes[face].normal;
        const TVector4& p = box.planes[face].point;
        if (n.y == 0 && n.z == 0) (n.x > 0 ? box.highX : box.lowX) = p.x;
        if (n.x == 0 && n.z == 0) (n.y > 0 ? box.highY : box.lowY) = p.y;
    }
    // A NaN side stays NaN: std::min and std::max keep their first argument against it.
    boxesLowX_ = std::isnan(box.lowX) ? NAN : std::min(boxesLowX_, box.lowX);
    boxesHighX_ = std::isnan(box.highX) ? NAN : std::max(boxesHighX_, box.highX);
    boxesLowY_ = std::isnan(box.lowY) ? NAN : std::min(boxesLowY_, box.lowY);
    boxesHighY_ = std::isnan(box.highY) ? NAN : std::max(boxesHighY_, box.highY);
    collisionBoxes_.push_back(box);
}

int TMapController::CollisionType(const TVector4& p, int type) const {
    // Most probes fall in one of the visible blocks only: the others pass over all their boxes.
    if (p.x >= boxesHighX_ || p.x <= boxesLowX_ || p.y >= boxesHighY_ || p.y <= boxesLowY_) return type;
    for (const TCollisionBox& box : collisionBoxes_) {
        if (box.type <= type) continue;
        // The autopilot probes every box of every block many times a frame; most lie ahead or
        // behind. NaN compares false, so a box without such a side is never passed over here.
        if (p.x >= box.highX || p.x <= box.lowX || p.y >= box.highY || p.y <= box.lowY) continue;
        // Faces 1 and 2 (top and bottom) are not tested: a box reaches up and down for ever.
        bool inside = true;
        for (int face = 2; face < 6 && inside; ++face)
            inside = PlaneDistance(box.planes[face].normal, box.planes[face].point, p) > 0;
        if (inside) type = box.type;
    }
    return type;
}

void TMapController::Probe(const TVector4& offset, TVehicleContact& vehicle) const {
    for (size_t k = 0; k < vehicle.wheelPoints.size(); ++k)
        vehicle.wheelTypes[k] =
            CollisionType(Subtract(vehicle.wheelPoints[k], offset), vehicle.wheelTypes[k]);
    for (int i = 0; i < objects_.Count(); ++i) {
        const TSimpleObject& object = objects_[i];
        const TVector4 position = Add(object.Position(), offset);
        const bool touched =
            std::any_of(vehicle.hitPoints.begin(), vehicle.hitPoints.end(),
                        [&](const TVector4& hit) { return Distance(position, hit) < object.Radius(); });
        if (touched) {
            if (vehicle.objectHit) vehicle.objectHit();
            return;
        }
    }
}

void TMapController::RenderGround(const TVector4& offset) {
    glPushMatrix();
    glTranslatef(std::trunc(offset.x), std::trunc(offset.y), std::trunc(offset.z));
    if (LightsControl) LightsControl->SwitchOff();
    glEnable(GL_TEXTURE_2D);
    // Brush faces wind clockwise seen from outside: culling the counter-clockwise ones drops the
    // undersides and buried sides, half of what the software renderer would otherwise fill.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    // Blending an opaque face changes no pixel but costs the software renderer a read of each.
    const bool blending = glIsEnabled(GL_BLEND);
    for (const TMapTextureGroup& group : textureGroups_) {
        if (blending) {
            if (textures_.Opaque(group.texture)) glDisable(GL_BLEND);
            else glEnable(GL_BLEND);
        }
        textures_.Bind(group.texture);
        const char* base = reinterpret_cast<const char*>(group.vertices.data());
        glVertexPointer(3, GL_FLOAT, sizeof(TMapVertex), base + offsetof(TMapVertex, position));
        glNormalPointer(GL_FLOAT, sizeof(TMapVertex), base + offsetof(TMapVertex, normal));
        glTexCoordPointer(2, GL_FLOAT, sizeof(TMapVertex), base + offsetof(TMapVertex, u));
        glDrawArrays(GL_TRIANGLES, 0, group.VertexCount());
    }
    if (blending) glEnable(GL_BLEND);
    glCullFace(GL_BACK);
    glDisable(GL_CULL_FACE);
    if (LightsControl) LightsControl->SwitchOn();
    glPopMatrix();
}

void TMapController::RenderObjects(bool shadow, const TVector4& offset, int layer) {
    glPushMatrix();
    glTranslatef(std::trunc(offset.x), std::trunc(offset.y), std::trunc(offset.z));
    // The sun is placed in the block's own frame, where the block's ground left it when the
    // objects followed it at once: every block's objects lit alike.
    if (layer == 0 && !shadow && LightsControl) LightsControl->SwitchOn();
    objects_.Render(shadow, layer);
    glPopMatrix();
}
