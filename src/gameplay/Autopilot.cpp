// The autopilot's driver and gunner.
#include "gameplay/Autopilot.h"

#include <algorithm>
#include <cmath>

#include "gameplay/Aim.h"
#include "gameplay/HUD.h"
#include "gameplay/Player.h"
#include "gameplay/TrafficControl.h"
#include "resources/Matrix.h"
#include "world/BonusTypes.h"
#include "world/CarTypes.h"
#include "world/CollisionTypes.h"
#include "world/EnumNames.h"
#include "world/GlobalTables.h"
#include "world/MissionValues.h"

namespace {

constexpr float kRoadEdge = 37.5f;
constexpr float kLineStep = 1.25f;
constexpr float kSampleStep = 0.1f;  // seconds between the points read
constexpr float kWheelSpread = 1.1f; // half the car's width and a little
constexpr float kShove = 3.2f;       // how far a collision can throw the car sideways
constexpr float kClearanceX = 0.7f;  // kept between the car's side and another's
constexpr float kClearanceY = 1.0f;
constexpr float kTurnHorizon = 0.4f; // seconds a car is expected to keep turning as it does
constexpr float kMaxTurnRate = 4;    // radians per second; more is a jump, not a turn
constexpr float kMinAim = 8;
constexpr float kProvokeHealth = 0.6f; // share of full health
constexpr float kFrame = 0.025f;
constexpr float kFrameMs = 25;
constexpr float kSettle = 0.4f; // units off the line that need no steering

float SurfaceCost(int type) {
    switch (type) {
    case COL_KILL: return 100000;
    case COL_NOCONTROL: return 20000;
    case COL_GRASS: return 60;
    case COL_BACK: return 25;
    case COL_ROAD: return 2;
    default: return 0;
    }
}

// Half the extents along x and y of a box of half-sizes (`halfLength`, `halfWidth`) turned by
// `heading`.
TVector4 TurnedExtent(float halfLength, float halfWidth, float heading) {
    const float s = std::fabs(std::sin(heading)), c = std::fabs(std::cos(heading));
    return {halfLength * s + halfWidth * c, halfLength * c + halfWidth * s, 0, 0};
}

// Units per second the car drifts along x and y relative to the player's car, which stays put
// while the road scrolls.
TVector4 RelativeVelocity(const TTrafficCar& car, float forwardVelocity) {
    return {std::sin(car.heading) * car.speed, forwardVelocity - std::cos(car.heading) * car.speed, 0, 0};
}

// A hunted courier holds its fire until one of them is hit.
bool Hostile(const TTrafficCar& car) {
    if (car.type.SpecialKind == SM_NEUTRAL && !MissionValues.SpecialMissionHit) return false;
    return car.Armed() && car.type.AttackType != AT_NONE;
}

float DistanceToSegment(const TVector4& p, const TVector4& a, const TVector4& b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float length = dx * dx + dy * dy;
    const float t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0f, 1.0f) : 0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// An escorted car near the target's wreck or across the line of fire would be lost with it.
bool EndangersEscort(const TTrafficControl& traffic, const TVector4& from, const TTrafficCar& target) {
    for (int i = 0; i < traffic.CarCount(); ++i) {
        const TTrafficCar& car = traffic.Car(i);
        if (car.destroyed || car.type.SpecialKind != SM_FRIEND) continue;
        if (Distance(car.position, target.position) < ExplosionRadius + 4) return true;
        if (DistanceToSegment(car.position, from, target.position) < 3.5f) return true;
    }
    return false;
}

} // namespace

void TAutopilot::Reset() {
    lineChosen_ = false;
    hasTarget_ = false;
    missileHeld_ = false;
    lastSeen_.clear();
    turnRates_.clear();
}

// A car turning now (a truck cutting in) is seen turning from one frame to the next. A car
// that moved too far to be the one seen there is a new one in a reused slot.
void TAutopilot::WatchTurns() {
    const int count = game_.traffic ? game_.traffic->CarCount() : 0;
    turnRates_.assign(count, 0);
    std::vector<TVector4> seen(count);
    for (int i = 0; i < count; ++i) {
        const TTrafficCar& car = game_.traffic->Car(i);
        seen[i] = {car.position.x, car.position.y, car.heading, 0};
        if (i >= static_cast<int>(lastSeen_.size())) continue;
        const TVector4& before = lastSeen_[i];
        if (std::fabs(before.x - car.position.x) > 2 || std::fabs(before.y - car.position.y) > 8) continue;
        const float rate = (car.heading - before.z) / kFrame;
        if (std::fabs(rate) <= kMaxTurnRate) turnRates_[i] = rate;
    }
    lastSeen_ = std::move(seen);
}

TAutopilot::TForecast TAutopilot::Forecast() const {
    const TPlayer& player = *game_.player;
    TForecast forecast;
    LetGo(&forecast.letGo);
    for (int i = 0; i < 4; ++i) {
        forecast.playerHalfX =
            std::max(forecast.playerHalfX, std::fabs(player.hitPoints[i].x - player.position.x));
        forecast.playerHalfY =
            std::max(forecast.playerHalfY, std::fabs(player.hitPoints[i].y - player.position.y));
    }
    if (!game_.traffic) return forecast;
    const float v = std::max(player.forwardVelocity, 10.0f);
    for (int i = 0; i < game_.traffic->CarCount(); ++i) {
        const TTrafficCar& car = game_.traffic->Car(i);
        if (car.destroyed) continue;
        float halfLength = 0, halfWidth = 0;
        for (const TVector4& corner : car.body.box) {
            halfLength = std::max(halfLength, std::fabs(corner.y));
            halfWidth = std::max(halfWidth, std::fabs(corner.x));
        }
        const float rate = i < static_cast<int>(turnRates_.size()) ? turnRates_[i] : 0;
        TForecast::TObstacle obstacle;
        TVector4 at = car.position;
        float heading = car.heading;
        for (int k = 0; k < kSamples; ++k) {
            obstacle.at[k] = at;
            obstacle.reach[k] = TurnedExtent(halfLength, halfWidth, heading);
            if (k * kSampleStep < kTurnHorizon)
                heading = std::clamp(heading + rate * kSampleStep, -1.2f, 1.2f);
            at.x += std::sin(heading) * car.speed * kSampleStep;
            at.y += (v - std::cos(heading) * car.speed) * kSampleStep;
        }
        forecast.traffic.push_back(obstacle);
    }
    return forecast;
}

float TAutopilot::RowCost(float x, float y, bool front) const {
    float worst = 0;
    for (float side : {-kWheelSpread, 0.0f, kWheelSpread})
        worst = std::max(worst, SurfaceCost(surface_({x + side, y, 0, 0})));
    // A deadly edge within a collision's throw.
    if (front)
        for (float side : {-kWheelSpread - kShove, kWheelSpread + kShove})
            if (surface_({x + side, y, 0, 0}) == COL_KILL) worst = std::max(worst, 50.0f);
    return worst;
}

float TAutopilot::LineCost(float line, const TForecast& forecast, TSurfaceMemo& memo) const {
    const TPlayer& player = *game_.player;
    const float x0 = player.position.x;
    const float y0 = player.position.y;
    const float v = std::max(player.forwardVelocity, 10.0f);
    // How fast the car can cross: most of the steering limit at this speed.
    const float across = std::max(player.speed, 10.0f) * std::sin(player.MaxHeading()) * 0.8f;
    // The car starts from where its present heading carries it, and steers off that.
    const auto at = [&](float t, float free) {
        return free + std::clamp(line - free, -across * t, across * t);
    };
    float cost = 0;
    int row = 0;
    // The surface under the car's front and rear wheels at time `t`; lines that put the car in
    // the same place share the probes.
    const auto surface = [&](float t, float x, bool rear) {
        const int id = row++;
        if (memo.x[id] != x) {
            memo.x[id] = x;
            memo.cost[id] = RowCost(x, y0 - v * t + (rear ? 2 : -2), !rear);
        }
        return memo.cost[id];
    };
    for (int k = 0; k < kSamples; ++k) {
        const float t = k * kSampleStep;
        const float x = at(t, forecast.letGo[k]);
        const float weight = 1.5f / (1 + 2 * t);
        if (surface_) {
            float worst = surface(t, x, false);
            if (k > 0) worst = std::max(worst, surface(t, x, true));
            // Frame by frame near the car: the end of a deadly stretch passes the rear wheels
            // only a frame or two before the car may turn in behind it.
            for (int j = 1; k < kDenseSamples && j < kFramesPerSample; ++j) {
                const float share = j / static_cast<float>(kFramesPerSample);
                const float tj = t + share * kSampleStep;
                const float xj =
                    at(tj, forecast.letGo[k] + share * (forecast.letGo[k + 1] - forecast.letGo[k]));
                worst = std::max({worst, surface(tj, xj, false), surface(tj, xj, true)});
            }
            cost += weight * worst;
        }
        for (const TForecast::TObstacle& car : forecast.traffic) {
            if (std::fabs(car.at[k].y - y0) < car.reach[k].y + forecast.playerHalfY + kClearanceY &&
                std::fabs(car.at[k].x - x) < car.reach[k].x + forecast.playerHalfX + kClearanceX)
                cost += 400 * weight;
        }
    }
    // Settle: a new line has to be clearly better than the one held.
    const float held = lineChosen_ ? line_ : x0;
    return cost + 0.6f * std::fabs(line - held) + 0.2f * std::fabs(line - x0);
}

float TAutopilot::ChooseLine() const {
    const TForecast forecast = Forecast();
    TSurfaceMemo memo;
    memo.x.fill(std::nanf(""));
    float best = game_.player->position.x;
    float bestCost = LineCost(best, forecast, memo);
    for (float line = -kRoadEdge; line <= kRoadEdge; line += kLineStep) {
        const float cost = LineCost(line, forecast, memo);
        if (cost < bestCost) {
            bestCost = cost;
            best = line;
        }
    }
    return best;
}

// Where the car comes to run straight if the steering keys are let go now (and, in `samples`,
// where it is every sample step on the way). A long hold winds the wheel up: let go, the
// heading first unwinds slowly (or even keeps turning), so the car runs on well past the point
// where the key went up.
float TAutopilot::LetGo(std::array<float, kSamples>* samples) const {
    const TPlayer& player = *game_.player;
    const float perMs = kPi / 1000 * player.speed / 100;
    const float maxHeading = player.MaxHeading();
    float heading = player.Heading();
    int hold = player.steerHold;
    float x = player.position.x;
    const int frames = std::max(80, (kSamples - 1) * kFramesPerSample);
    for (int frame = 0; frame < frames; ++frame) {
        if (samples && frame % kFramesPerSample == 0 && frame / kFramesPerSample < kSamples)
            (*samples)[frame / kFramesPerSample] = x;
        if (heading == 0) {
            if (!samples || frame >= (kSamples - 1) * kFramesPerSample) break;
            continue;
        }
        x += std::sin(heading) * player.speed * kFrameMs / 1000;
        if (heading > 0) {
            heading -= (kFrameMs - hold) * perMs;
        } else {
            heading += (kFrameMs + hold) * perMs;
        }
        if (hold > 0) hold -= 1;
        if (hold < 0) hold += 1;
        if (std::fabs(heading) <= 0.1f) heading = 0;
        heading = std::clamp(heading, -maxHeading, maxHeading);
    }
    return x;
}

bool TAutopilot::SteerLeft(float line, bool& right) const {
    // A key is held (left carries the car towards +x) while letting go would still leave it short.
    const float gap = line - LetGo(nullptr);
    right = gap < -kSettle;
    return gap > kSettle;
}

int TAutopilot::ChooseTarget(const TViewport& viewport) const {
    const TPlayer& player = *game_.player;
    const TTrafficControl* traffic = game_.traffic;
    if (!traffic) return -1;
    int best = -1;
    float bestScore = -1e9f;
    for (int i = 0; i < traffic->CarCount(); ++i) {
        const TTrafficCar& car = traffic->Car(i);
        if (car.destroyed || car.type.SpecialKind == SM_FRIEND) continue;
        // Couriers are left alone unless the mission is on, and are provoked only in good health.
        if (car.type.SpecialKind == SM_NEUTRAL &&
            (!SpecMission.Enabled ||
             (!MissionValues.SpecialMissionHit && player.Health < kProvokeHealth * player.MaxHealth)))
            continue;
        const TVector4 ground{car.position.x, car.position.y, 0, 0};
        const float d = Distance(ground, {player.position.x, player.position.y, 0, 0});
        if (d < kMinAim || EndangersEscort(*traffic, player.weaponPoint, car)) continue;
        float px = 0, py = 0;
        if (!ProjectToClient(ground, viewport, px, py)) continue;
        const float marginX = viewport.width * 0.04f, marginY = viewport.height * 0.08f;
        if (px < marginX || px > viewport.width - marginX || py < marginY || py > viewport.height - marginY)
            continue;
        float score = -d / 40;
        if (Hostile(car)) score += 3;
        if (car.type.DriveType == DT_AITYPE5 || car.type.DriveType == DT_AITYPE3) score += 2;
        if (car.bonusType != BT_NONE) score += 1.5f;
        // A hunted courier passes by once and takes several hits: it comes before any attacker.
        if (car.type.SpecialKind == SM_NEUTRAL) score += 5;
        // Keep on the car already under fire.
        if (hasTarget_ && Distance(ground, lastTarget_) < 6) score += 2;
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

TAutopilotControls TAutopilot::Decide(const TViewport& viewport) {
    TAutopilotControls controls;
    const TPlayer* player = game_.player;
    if (!player) return controls;

    WatchTurns();
    line_ = ChooseLine();
    lineChosen_ = true;
    bool right = false;
    controls.held[KP_LEFT] = SteerLeft(line_, right);
    controls.held[KP_RIGHT] = right;
    controls.held[KP_FORWARD] = true;

    float aimX = player->position.x, aimY = player->position.y - 60;
    const int target = ChooseTarget(viewport);
    hasTarget_ = target >= 0;
    bool missile = false;
    if (hasTarget_) {
        const TTrafficCar& car = game_.traffic->Car(target);
        // Where the car will be when the next frame's crosshair reads the ground.
        const TVector4 drift = RelativeVelocity(car, player->forwardVelocity);
        aimX = car.position.x + drift.x * kFrame;
        aimY = car.position.y + drift.y * kFrame;
        lastTarget_ = {car.position.x, car.position.y, 0, 0};
        controls.held[KP_SHOOT] = car.aimedAt;
        missile =
            car.aimedAt && (Hostile(car) || car.type.SpecialKind == SM_NEUTRAL) && game_.hud &&
            game_.hud->Rockets > 0 && player->rocketCooldown <= 0;
    }
    // A rocket clears the key's latch: the key goes up for a frame before the next one.
    controls.held[KP_MISSILE] = missile && !missileHeld_;
    missileHeld_ = controls.held[KP_MISSILE];

    float px = 0, py = 0;
    if (ProjectToClient({aimX, aimY, 0, 0}, viewport, px, py)) {
        controls.pointerX = std::clamp(static_cast<int>(std::lround(px)), 0, std::max(viewport.width - 1, 0));
        controls.pointerY =
            std::clamp(static_cast<int>(std::lround(py)), 0, std::max(viewport.height - 1, 0));
    } else {
        controls.pointerX = viewport.width / 2;
        controls.pointerY = viewport.height / 3;
    }
    return controls;
}

void TAutopilot::PressKeys(const TAutopilotControls& controls, const TKeyBindings& bindings,
                           uint8_t state[256]) {
    for (int action = 0; action < KP_COUNT; ++action) {
        const TKeyBinding& binding = bindings[action];
        const int key = binding.First != NO_KEY ? binding.First : binding.Second;
        if (key < 0 || key > 255) continue;
        if (controls.held[action]) state[key] |= 0x80;
    }
}
