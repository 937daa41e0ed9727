// One track block: the textured geometry of a 40-unit stretch of road, its collision boxes,
// scene objects and traffic points, loaded from base + ".map" and base + "_col.map".
#pragma once

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "resources/Vector.h"
#include "world/BlockTextures.h"
#include "world/ObjectsControl.h"

class TTextParser;
class TTokenReader;
struct TVehicleContact;

// Lanes (exit and enter point ids, spawn point exit ids) are 1 .. kLaneCount.
constexpr int kLaneCount = 6;

struct TPointSlot {
    bool defined = false;
    TVector4 position;
};

struct TSpawnPoint {
    int exitId = 0;
    TVector4 position;
};

struct TCollisionPlane {
    TVector4 point;
    TVector4 normal; // unit, pointing out of the box
};

struct TCollisionBox {
    std::array<TCollisionPlane, 6> planes; // faces 1 .. 6 of the brush
    int type = 0;                          // a TCollisionType
    // Where a side facing straight along x or y puts its plane (NaN without one): a point on or
    // beyond it fails that side's own test, whatever its other coordinates.
    float lowX = NAN, highX = NAN, lowY = NAN, highY = NAN;
};

// Interleaved as OpenGL reads it: position at 0, normal at 16, u, v at 32, stride 40.
struct TMapVertex {
    TVector4 position;
    TVector4 normal;
    float u = 0;
    float v = 0;
};
static_assert(sizeof(TMapVertex) == 40);

struct TMapTextureGroup {
    int texture = 0;
    std::string name; // the face texture name as the map writes it
    std::vector<TMapVertex> vertices;

    int VertexCount() const { return static_cast<int>(vertices.size()); }
};

class TMapController {
public:
    // Reads the tokenizer table "Data\Tables\Map.ptb".
    explicit TMapController(TBlockTextures& textures = LibraryBlockTextures());
    ~TMapController();
    TMapController(const TMapController&) = delete;
    TMapController& operator=(const TMapController&) = delete;

    // base + ".map" (geometry, objects, traffic points) and base + "_col.map" (collision).
    void Load(const std::string& baseName);
    // Drops geometry, collision boxes and traffic points; objects stay.
    void Clear();

    // The highest collision type above `type` of a box whose four side planes all have `p`
    // strictly inside; `type` when there is none. Block coordinates.
    int CollisionType(const TVector4& p, int type) const;
    // The surface under each wheel and object contact, for the block drawn at `offset`.
    void Probe(const TVector4& offset, TVehicleContact& vehicle) const;
    // The block drawn at `offset`: its geometry, unlit; the objects of `layer` (or their shadows).
    void RenderGround(const TVector4& offset);
    void RenderObjects(bool shadow, const TVector4& offset, int layer);

    const TPointSlot& ExitPoint(int id) const;
    const TPointSlot& EnterPoint(int id) const;
    const std::vector<TSpawnPoint>& SpawnPoints() const { return spawnPoints_; }
    const std::vector<TCollisionBox>& CollisionBoxes() const { return collisionBoxes_; }
    const std::vector<TMapTextureGroup>& TextureGroups() const { return textureGroups_; }
    TObjects& Objects() { return objects_; }
    const TObjects& Objects() const { return objects_; }
    const std::string& Name() const { return name_; }

private:
    // One point of a brush face while the brush is read.
    struct TFacePoint {
        TVector4 position;
        TVector4 normal;
        float u = 0;
        float v = 0;
        float uOffset = 0;
        float vOffset = 0;
        float rotation = 0; // degrees
        float uScale = 0;
        float vScale = 0;
    };
    using TBrush = std::array<TFacePoint, 18>;

    void ReadMapFile(const std::string& fileName, bool collision);
    void ReadBrush(TTokenReader& reader, TBrush& brush, std::vector<std::string>& textures);
    void AddBrushGeometry(const TBrush& brush, const std::vector<std::string>& textures,
                          const std::string& fileName);
    void AddCollisionBox(const TBrush& brush, const std::string& texture);
    TMapTextureGroup& TextureGroup(const std::string& name);
    void AddQuad(TFacePoint p1, TFacePoint p2, TFacePoint p3, TFacePoint p4, TMapTextureGroup& group);
    // In texels, until ScaleTextureCoordinates divides them by the textures' sizes.
    void TextureCoordinates(TFacePoint& point) const;
    void ScaleTextureCoordinates();

    // Entities (the ".map" file only).
    void ReadEntities(TTokenReader& reader, const std::string& fileName);
    void ReadObject(TTokenReader& reader, const std::string& fileName);
    void ReadExitPoint(TTokenReader& reader, const std::string& fileName);
    void ReadEnterPoint(TTokenReader& reader, const std::string& fileName);
    void ReadSpawnPoint(TTokenReader& reader, const std::string& fileName);
    void ValidateSpawnPoints() const;

    std::array<TPointSlot, kLaneCount> exitPoints_;
    std::array<TPointSlot, kLaneCount> enterPoints_;
    std::vector<TSpawnPoint> spawnPoints_;
    std::vector<TCollisionBox> collisionBoxes_;
    // The boxes' straight sides taken together, NaN where a box lacks one: a point on or beyond
    // one of these is passed over by every box.
    float boxesLowX_ = INFINITY, boxesHighX_ = -INFINITY, boxesLowY_ = INFINITY, boxesHighY_ = -INFINITY;
    std::vector<TMapTextureGroup> textureGroups_;
    TObjects objects_;
    std::unique_ptr<TTextParser> parser_;
    std::string name_;
    TBlockTextures& textures_;
};
