// The autopilot's risky parts: reading the road ahead and steering clear of what kills or
// takes the controls, and choosing, aiming at and firing at the right car.
#include "StageFixture.h"

#include "gameplay/Autopilot.h"
#include "world/Camera.h"
#include "world/CarTypes.h"
#include "world/CollisionTypes.h"
#include "world/EnumNames.h"

#include <cmath>

namespace {

class AutopilotTest : public StageFixture {
protected:
    AutopilotTest() {
        Drive(100);
        ResetCamera();
        CameraPosition = {0, -28, 50, 0};
        CameraAngles = {0, -38, 180, 0};
    }
    ~AutopilotTest() override { ResetCamera(); }

    // Drives `ms` with the autopilot's keys over a road whose surface at a point is
    // `surface(x, distance along the road)`; returns the surfaces the wheels met.
    template <typename F> std::vector<int> DriveOver(F surface, int ms) {
        autopilot.SetSurfaceProbe(
            [&](const TVector4& p) { return surface(p.x, travelled + (player.position.y - p.y)); });
        std::vector<int> met;
        for (int t = 0; t < ms; t += 25) {
            const TAutopilotControls controls = autopilot.Decide(kView);
            TPlayerInput input;
            input.forward = controls.held[KP_FORWARD];
            input.backward = controls.held[KP_BACKWARD];
            input.left = controls.held[KP_LEFT];
            input.right = controls.held[KP_RIGHT];
            player.distanceTravelled = 200;
            Step(25, input);
            travelled += player.forwardVelocity * 25 / 1000;
            for (const TVector4& wheel : player.contact.wheelPoints)
                met.push_back(surface(wheel.x, travelled + (player.position.y - wheel.y)));
        }
        return met;
    }

    const TViewport kView{0, 0, 800, 600};
    TAutopilot autopilot{game};
    float travelled = 0;
};

TEST_F(AutopilotTest, TheDriverLeavesTheLaneOfADeadlyOrUncontrolledStretchBeforeReachingIt) {
    for (int deadly : {COL_KILL, COL_NOCONTROL}) {
        player.position.x = 0;
        player.rotation = {};
        travelled = 0;
        autopilot.Reset();
        // The middle of the road is lethal from 90 to 200 units ahead; grass beyond x = 20.
        const std::vector<int> met = DriveOver(
            [&](float x, float along) {
                if (std::fabs(x) < 8 && along > 90 && along < 200) return deadly;
                return std::fabs(x) > 20 ? static_cast<int>(COL_GRASS) : static_cast<int>(COL_MAINROAD);
            },
            2500);
        EXPECT_EQ(std::count(met.begin(), met.end(), deadly), 0) << "surface " << deadly;
        EXPECT_EQ(std::count(met.begin(), met.end(), COL_GRASS), 0) << "surface " << deadly;
        EXPECT_GT(travelled, 200);
    }
    // A strip 2 units wide on the car's own line is enough to move over for.
    player.position.x = 0;
    travelled = 0;
    autopilot.Reset();
    autopilot.SetSurfaceProbe([&](const TVector4& p) {
        const float along = travelled + (player.position.y - p.y);
        return std::fabs(p.x) < 1 && along > 60 && along < 120 ? COL_KILL : COL_MAINROAD;
    });
    EXPECT_GT(std::fabs(autopilot.ChooseLine()), 2);
}

TEST_F(AutopilotTest, TheDriverChangesLaneForASlowCarAheadAndStaysPutOnAnEmptyRoad) {
    autopilot.SetSurfaceProbe([](const TVector4&) { return COL_MAINROAD; });
    EXPECT_FLOAT_EQ(autopilot.ChooseLine(), player.position.x);
    TTrafficCar& slow = AddCar(player.position.x, player.position.y - 60);
    slow.speed = 20;
    EXPECT_GT(std::fabs(autopilot.ChooseLine() - player.position.x), 3);
}

TEST_F(AutopilotTest, TheDriverGoesRoundOnTheSideItsWoundUpWheelAlreadyCarriesItTo) {
    // Slow, with the wheel turned hard towards +x and wound up: let go, the car drifts on that way.
    Drive(25);
    player.rotation.z = player.MaxHeading();
    player.steerHold = 20;
    // A deadly block on the car's line, close ahead: too close to turn back and pass it on the
    // other side.
    const std::vector<int> met = DriveOver(
        [](float x, float along) {
            return std::fabs(x) < 5 && along > 15 && along < 45 ? static_cast<int>(COL_KILL)
                                                                : static_cast<int>(COL_MAINROAD);
        },
        2000);
    EXPECT_EQ(std::count(met.begin(), met.end(), COL_KILL), 0);
    EXPECT_GT(player.position.x, 5);
}

TEST_F(AutopilotTest, TheDriverKeepsClearOfATruckTurningAcrossAndOfDeadlyEdgesAShoveAway) {
    autopilot.SetSurfaceProbe([](const TVector4& p) { return p.x > 9 ? COL_KILL : COL_MAINROAD; });
    // Next to a deadly edge, with the road wide open the other way: a collision's throw away.
    player.position.x = 6;
    autopilot.Reset();
    EXPECT_LT(autopilot.ChooseLine(), 9 - 1.1f - 3);

    // A truck ahead and to the left, slower, starting to cut in towards the car's lane.
    autopilot.SetSurfaceProbe([](const TVector4&) { return COL_MAINROAD; });
    player.position.x = 0;
    TTrafficCar& truck = AddCar(-6.5f, player.position.y - 14);
    for (TVector4& corner : truck.body.box) {
        corner.x *= 1.4f;
        corner.y *= 1.8f;
    }
    truck.speed = 55;
    autopilot.Reset();
    autopilot.Decide(kView);
    EXPECT_NEAR(autopilot.ChooseLine(), 0, 0.01f) << "running straight, it passes by";
    truck.heading = 0.08f;
    autopilot.Decide(kView);
    EXPECT_GT(std::fabs(autopilot.ChooseLine()), 2) << "turning, it sweeps across the car's lane";
}

TEST_F(AutopilotTest, TheGunnerAimsAtTheAttackerFiresWhenMarkedSparesEscortsAndPutsHuntedCouriersFirst) {
    Weapons.assign(1, TWeapon{});
    autopilot.SetSurfaceProbe([](const TVector4&) { return COL_MAINROAD; });
    TTrafficCar& plain = AddCar(-5, -90);
    TTrafficCar& friendly = AddCar(-12, -70);
    friendly.type.SpecialKind = SM_FRIEND;
    TTrafficCar& courier = AddCar(2, -75);
    courier.type.SpecialKind = SM_NEUTRAL;
    courier.type.Weapon = 0;
    courier.type.AttackType = AT_BACKWARD;
    TTrafficCar& attacker = AddCar(6, -110);
    attacker.type.Weapon = 0;
    attacker.type.AttackType = AT_TARGET;
    (void)plain;

    EXPECT_EQ(autopilot.ChooseTarget(kView), 3);
    hud.Rockets = 2;
    TAutopilotControls controls = autopilot.Decide(kView);
    EXPECT_FALSE(controls.held[KP_SHOOT]) << "the crosshair is not on it yet";
    // The pointer stands where the attacker lies on screen.
    float x = 0, y = 0;
    ASSERT_TRUE(ProjectToClient(traffic.Car(3).position, kView, x, y));
    EXPECT_NEAR(controls.pointerX, x, 12);
    EXPECT_NEAR(controls.pointerY, y, 12);

    traffic.Car(3).aimedAt = true;
    controls = autopilot.Decide(kView);
    EXPECT_TRUE(controls.held[KP_SHOOT]);
    EXPECT_TRUE(controls.held[KP_MISSILE]);
    // The rocket key goes up for a frame, so that its latch is set again.
    EXPECT_FALSE(autopilot.Decide(kView).held[KP_MISSILE]);
    EXPECT_TRUE(autopilot.Decide(kView).held[KP_MISSILE]);

    // Without the attacker: the plain car, never the friend; the courier once its hunt is on.
    traffic.Car(3).destroyed = true;
    autopilot.Reset();
    EXPECT_EQ(autopilot.ChooseTarget(kView), 0);
    SpecMission.Enabled = true;
    EXPECT_EQ(autopilot.ChooseTarget(kView), 2);
    traffic.Car(3).destroyed = false;
    traffic.Car(3).position = {6, -60, 0, 0};
    EXPECT_EQ(autopilot.ChooseTarget(kView), 2) << "the hunted courier comes before the attacker";
    traffic.Car(2).aimedAt = true;
    EXPECT_TRUE(autopilot.Decide(kView).held[KP_MISSILE]) << "and gets the rockets";
    traffic.Car(3).destroyed = true;
    // Nor a car whose wreck would take an escorted van with it.
    traffic.Car(1).position = {4, -77, 0, 0};
    EXPECT_EQ(autopilot.ChooseTarget(kView), 0);

    uint8_t state[256] = {};
    controls = {};
    controls.held[KP_FORWARD] = controls.held[KP_SHOOT] = true;
    TKeyBindings bindings = KeySettingsDefaults();
    bindings[KP_SHOOT].First = NO_KEY;
    TAutopilot::PressKeys(controls, bindings, state);
    EXPECT_EQ(state[bindings[KP_FORWARD].First], 0x80);
    EXPECT_EQ(state[bindings[KP_SHOOT].Second], 0x80) << "the second key stands in for an unbound first";
    EXPECT_EQ(std::count(state, state + 256, 0x80), 2);
}

} // namespace
