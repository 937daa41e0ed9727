// A traffic car's body and world points.
#include "gameplay/TrafficCar.h"

#include <cmath>

#include "resources/HSAModel.h"
#include "resources/Matrix.h"

namespace {

// The gunner's muzzle sits this far above the flash node's spot on the car.
constexpr float kMuzzleDrop = 1.8f;

TVector4 NodePoint(const THSAModel* model, int node) {
    const TActor& actor = model->CurrentActor();
    if (node < 0 || node >= actor.NodeCount() || actor.bindPose.FrameCount() == 0) return {};
    const TMatrix& world = actor.bindPose.Frame(0)[node].world;
    return MakeVector(world[12], world[13], world[14]);
}

int NodeNamed(const THSAModel* model, const char* name) {
    const TActor& actor = model->CurrentActor();
    for (int i = 0; i < actor.NodeCount(); ++i)
        if (actor.nodes[i].name == name) return i;
    return -1;
}

TVector4 Turned(const TVector4& v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return MakeVector(v.x * c - v.y * s, v.x * s + v.y * c, v.z);
}

} // namespace

TCarBody CarBodyOf(const THSAModel* model, const TCarType& type, const THSAModel* gunner) {
    TCarBody body;
    if (!model) {
        for (int i = 0; i < 8; ++i) {
            const float x = (i % 4 == 0 || i % 4 == 1) ? -1 : 1;
            const float y = (i % 4 == 0 || i % 4 == 3) ? 2 : -2;
            body.box[i] = MakeVector4(x, y, i < 4 ? 0 : 1.5f, 1);
        }
        body.engine = MakeVector(0, -1.5f, 0.8f);
        body.weapon = MakeVector(0, 0, 1.5f);
        body.lights = {MakeVector(0.8f, 2, 0.6f), MakeVector(0.8f, -2, 0.6f), MakeVector(-0.8f, 2, 0.6f),
                       MakeVector(-0.8f, -2, 0.6f)};
        return body;
    }
    body.box = model->CurrentActor().boundingBox;
    body.engine = NodePoint(model, type.Engine);
    body.weapon = NodePoint(model, type.WeaponNode);
    body.lights = {NodePoint(model, type.LightLB), NodePoint(model, type.LightLF),
                   NodePoint(model, type.LightRB), NodePoint(model, type.LightRF)};
    if (gunner) {
        const int flash = NodeNamed(gunner, "Flash");
        if (flash >= 0) body.muzzle = NodePoint(gunner, flash);
        body.muzzle.z -= kMuzzleDrop;
    }
    return body;
}

void TTrafficCar::PlacePoints() {
    const auto place = [this](const TVector4& local) { return Add(position, Turned(local, heading)); };
    for (int i = 0; i < 8; ++i)
        corners[i] = place(body.box[i]);
    enginePoint = place(body.engine);
    weaponPoint = place(body.weapon);
    muzzlePoint = Add(weaponPoint, Turned(body.muzzle, turretAngle));
    for (int i = 0; i < 4; ++i)
        lightPoints[i] = place(body.lights[i]);
}
