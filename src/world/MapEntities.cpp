// Track block entities: scene objects and the traffic points (exits, entries, spawn points)
// that follow the brushes of a ".map" file, and the check of the spawn points.
#include <cctype>
#include <cmath>

#include "core/Error.h"
#include "core/TextCase.h"
#include "platform/Platform.h"
#include "world/MapController.h"
#include "world/TextConvert.h"
#include "world/TokenReader.h"

namespace {

// Exit points always sit at this y, whatever their origin says.
constexpr float kExitPointY = -32.5f;

bool EndOfEntity(const TTokenReader& reader) {
    return reader.Token().empty() || reader.Token() == "classname";
}

// "origin" in map units to world units.
TVector4 WorldPosition(const std::array<float, 3>& origin) {
    return {-MapToWorld(origin[0]), -MapToWorld(origin[1]), MapToWorld(origin[2]), 0};
}

// Reads the entity's (key, value) pairs; `use` returns false for a key the class does not know.
template <typename F> void ReadKeys(TTokenReader& reader, F&& use) {
    reader.Advance();
    while (!EndOfEntity(reader)) {
        const std::string key = reader.Token();
        reader.Advance();
        if (!use(key, reader.Token())) throw EGameError("Unknown value: " + key);
        reader.Advance();
    }
}

int ObjectLayer(const std::string& model) {
    const size_t n = model.size();
    if (n < 4 || model.compare(n - 4, 3, "_vl") != 0) return 0;
    const char digit = model[n - 1];
    if (!std::isdigit(static_cast<unsigned char>(digit))) throw EGameError("Unknown object layer: " + model);
    int layer = digit - '0' + 1;
    if (n >= 7 && model.compare(n - 7, 3, "_sh") == 0) layer -= 1;
    return layer;
}

struct TTrafficPoint {
    int lane = -1;
    std::array<float, 3> origin{};
};

// The keys every traffic point has: its lane (1 .. kLaneCount) under `laneKey`, and its origin.
TTrafficPoint ReadTrafficPoint(TTokenReader& reader, const std::string& laneKey,
                               const std::string& fileName) {
    TTrafficPoint point;
    ReadKeys(reader, [&](const std::string& key, const std::string& value) {
        if (key == laneKey)
            point.lane = StrToInt(value);
        else if (key == "origin")
            point.origin = ParseTriple(value);
        else
            return false;
        return true;
    });
    if (point.lane < 1 || point.lane > kLaneCount)
        throw EGameError("Unknown exit ID for Spawn point." + fileName);
    return point;
}

} // namespace

void TMapController::ReadEntities(TTokenReader& reader, const std::string& fileName) {
    while (!reader.Token().empty()) {
        reader.Advance();
        const std::string kind = UpperCase(reader.Token());
        if (kind == "OBJECT_SIMPLE")
            ReadObject(reader, fileName);
        else if (kind == "EXIT_POINT")
            ReadExitPoint(reader, fileName);
        else if (kind == "SPAWN_POINT")
            ReadSpawnPoint(reader, fileName);
        else if (kind == "ENTER_POINT")
            ReadEnterPoint(reader, fileName);
        else
            // An entity of another class is passed over up to the next entity.
            while (!EndOfEntity(reader))
                reader.Advance();
    }
}

void TMapController::ReadObject(TTokenReader& reader, const std::string& fileName) {
    TObjectDescription description;
    std::string model;
    std::array<float, 3> origin{};
    ReadKeys(reader, [&](const std::string& key, const std::string& value) {
        if (key == "angles") {
            const std::array<float, 3> a = ParseTriple(value);
            const float toRadians = static_cast<float>(M_PI) / 180;
            description.angles = {a[0] * toRadians, a[2] * toRadians,
                                  a[1] * toRadians - static_cast<float>(M_PI) / 2, 0};
        } else if (key == "Model") {
            model = value;
        } else if (key == "BornAnimation") {
            description.bornAnimation = StrToInt(value);
        } else if (key == "DeadAnimation") {
            description.deadAnimation = StrToInt(value);
        } else if (key == "IdleAnimation") {
            description.idleAnimation = StrToInt(value);
        } else if (key == "IdleDeadAnimation") {
            description.idleDeadAnimation = StrToInt(value);
        } else if (key == "Health") {
            description.health = StrToInt(value);
        } else if (key == "FirstBornDelay") {
            description.firstBornDelay = StrToInt(value);
        } else if (key == "BornDelay") {
            description.bornDelay = StrToInt(value);
        } else if (key == "DeadDelay") {
            description.deadDelay = StrToInt(value);
        } else if (key == "origin") {
            origin = ParseTriple(value);
        } else {
            return false;
        }
        return true;
    });
    if (model.empty()) throw EGameError("OBJECT_SIMPLE without Model in " + fileName);
    description.position = WorldPosition(origin);
    description.layer = ObjectLayer(model);
    objects_.Add(model, description);
}

void TMapController::ReadExitPoint(TTokenReader& reader, const std::string& fileName) {
    const TTrafficPoint point = ReadTrafficPoint(reader, "point_id", fileName);
    TVector4 position = WorldPosition(point.origin);
    position.y = kExitPointY;
    exitPoints_[point.lane - 1] = {true, position};
    spawnPoints_.push_back({point.lane, position});
}

void TMapController::ReadEnterPoint(TTokenReader& reader, const std::string& fileName) {
    const TTrafficPoint point = ReadTrafficPoint(reader, "point_id", fileName);
    enterPoints_[point.lane - 1] = {true, WorldPosition(point.origin)};
}

void TMapController::ReadSpawnPoint(TTokenReader& reader, const std::string& fileName) {
    const TTrafficPoint point = ReadTrafficPoint(reader, "exit_id", fileName);
    spawnPoints_.push_back({point.lane, WorldPosition(point.origin)});
}

void TMapController::ValidateSpawnPoints() const {
    for (const TSpawnPoint& point : spawnPoints_)
        if (!ExitPoint(point.exitId).defined)
            platform::MessageBox("Error", "Error in spawn point. File \"" + name_ +
                                              "\"   Spawn Point ExitID" + std::to_string(point.exitId));
}
