// The game environment's construction, stage loading, and one frame's update and render.
#include "app/Environment.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/FragmentCounter.h"
#include "app/Globals.h"
#include "app/LogLines.h"
#include "app/Music.h"
#include "app/ReplaySession.h"
#include "core/Error.h"
#include "core/Log.h"
#include "core/Random.h"
#include "gameplay/GameState.h"
#include "gameplay/Gameplay.h"
#include "gameplay/HudState.h"
#include "gameplay/PlayerState.h"
#include "gameplay/SimulationState.h"
#include "menu/MenuGlobals.h"
#include "platform/Compression.h"
#include "resources/Crosshair.h"
#include "resources/DataPath.h"
#include "resources/EffectLib.h"
#include "resources/Effects.h"
#include "resources/Glow.h"
#include "resources/Matrix.h"
#include "resources/ModelLib.h"
#include "resources/Out2D.h"
#include "resources/SimpleEffect.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"
#include "settings/ScreenSizes.h"
#include "world/BonusTypes.h"
#include "world/Camera.h"
#include "world/GlobalTables.h"
#include "world/Lights.h"
#include "world/MissionLoader.h"
#include "world/MissionValues.h"
#include "world/SceneAssets.h"
#include "world/ShadowVolume.h"
#include "world/Track.h"
#include "world/VehicleContact.h"
#include "world/WeatherControl.h"

TEnvironment* Environment = nullptr;

namespace {

void LogLine(const char* line) {
    if (Log) Log->Write(line);
}

int LoadTexture(const char* relative) {
    return TextureLib->Load(DataPath(relative), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
}

// The clear cells of the bound texture, as the driver holds it.
TClearCells BoundTextureCells() {
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<uint8_t> rgba(static_cast<size_t>(std::max(width, 0)) * std::max(height, 0) * 4);
    if (!rgba.empty()) glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return TClearCells(rgba, width, height);
}

const TSimpleEffect* LoadEffect(const char* relative) {
    return EffectLib->Load(DataPath(relative));
}

} // namespace

TEnvironment::TEnvironment()
    : guard_([this](const std::string& line) {
          LogLine(line.c_str());
          if (replays_) replays_->Fault(line);
      }) {
    LogLine(loglines::CreatingControllers);
    effects_ = std::make_unique<TEffects>(CameraAngles, LibraryTextures());
    Effects = effects_.get();
    glows_ = std::make_unique<TFakeLightControl>();
    FakeLights = glows_.get();
    SoundLib->SetListener(CameraPosition, CameraAngles);
    lights_ = std::make_unique<TLightsControl>();
    LightsControl = lights_.get();
    crosshair_ = std::make_unique<TCrosshair>();
    Crosshair = crosshair_.get();
    CurrentTrack = nullptr;

    LogLine(loglines::SettingParameters);
    ResetCamera();
    LoadSceneAssets();

    LogLine(loglines::CreatingControls);
    gameplay_ = std::make_unique<TGameplay>();
    TGameContext& game = gameplay_->game;
    game.effects = effects_.get();
    game.glows = glows_.get();
    game.sprites = {SceneAssets.Smoke, SceneAssets.Grass, SceneAssets.Explosion, SceneAssets.RocketSmoke,
                    SceneAssets.ShellCasing};
    game.flashTextures = SceneAssets.MuzzleFlash;
    weather_ = std::make_unique<TWeather>(effects_.get(), SceneAssets.Snow);
    Weather = weather_.get();
    gameplay_->traffic.SetGenerator(&generator_);
    autopilot_ = std::make_unique<TAutopilot>(game);
    autopilot_->SetSurfaceProbe(
        [this](const TVector4& point) { return track_ ? track_->SurfaceAt(point) : 0; });
    glClearColor(0, 0, 0, 0);
    gameplay_->LoadAssets();

    lights_->SetGlobalLight({{900, -50, 700, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});

    LogLine(loglines::LoadingGlobals);
    LoadGlobalTables(assets_);
}

TEnvironment::~TEnvironment() {
    CurrentTrack = nullptr;
    Weather = nullptr;
    Crosshair = nullptr;
    LightsControl = nullptr;
    FakeLights = nullptr;
    Effects = nullptr;
}

int TEnvironment::CarCount() const {
    return gameplay_->traffic.CarCount();
}

int TEnvironment::CarLane(int index) const {
    return gameplay_->traffic.CarLane(index);
}

float TEnvironment::CarY(int index) const {
    return gameplay_->traffic.CarY(index);
}

int TEnvironment::MaxCount() const {
    return gameplay_->traffic.MaxCount();
}

void TEnvironment::AddCar(const TSpawnedCar& car) {
    gameplay_->traffic.AddCar(car);
}

void TEnvironment::LoadSceneAssets() {
    LogLine(loglines::LoadingSounds);
    LogLine(loglines::LoadingEffects);
    SceneAssets.Smoke = LoadEffect("Data\\Sprites\\smoke1.eff");
    SceneAssets.RocketSmoke = {LoadEffect("Data\\Sprites\\rocketsmoke.eff"),
                               LoadEffect("Data\\Sprites\\rocketsmoke_2.eff"),
                               LoadEffect("Data\\Sprites\\rocketsmoke_3.eff")};
    SceneAssets.Grass = LoadEffect("Data\\Sprites\\grass.eff");
    SceneAssets.Flare = LoadEffect("Data\\Sprites\\Flare.eff");
    SceneAssets.Snow = LoadEffect("Data\\Sprites\\Snow.eff");
    SceneAssets.SmokeFrame = LoadEffect("Data\\Sprites\\smoke_frame.eff");
    SceneAssets.Explosion = LoadEffect("Data\\Sprites\\expl.eff");

    LogLine(loglines::LoadingTextures);
    SceneAssets.CarShadow = LoadTexture("Data\\Textures\\car_sh.png");
    LogLine("-1");
    SceneAssets.Debris = ModelLib->Load(DataPath("Data\\Objects\\kusok.hsa"), true);
    LogLine("-2");
    // Always magnified on screen: plain bilinear spares the renderer the mip level per pixel.
    cloudTexture_ = TextureLib->Load(DataPath("Data\\Textures\\Clouds.tga"), GL_LINEAR, GL_LINEAR);
    cloudCells_.reset();
    LogLine("-3");
    SceneAssets.MuzzleFlash[0] = LoadTexture("Data\\Textures\\flash1.png");
    LogLine("-4");
    SceneAssets.MuzzleFlash[1] = LoadTexture("Data\\Textures\\flash2.png");
    // The shell-casing effect is one picture, so it is made once that picture is loaded.
    LogLine("-5");
    LogLine("-6");
    shellEffect_ = std::make_unique<TSimpleEffect>(LoadTexture("Data\\Textures\\shell.png"));
    SceneAssets.ShellCasing = shellEffect_.get();
}

void TEnvironment::LoadStage(const std::string& missionFile, std::function<void()> redraw) {
    TextureLib->DecodeHeld(THold::UntilStarted);
    TMissionStage mission(assets_);
    mission.Generator = &generator_;
    mission.Weather = weather_.get();
    mission.RedrawLoadingScreen = redraw;
    mission.CreateTrack = [this, redraw](const std::string& listFile) {
        // The old track goes first, so that two never take memory at once.
        generator_.SetTrack(nullptr);
        CurrentTrack = nullptr;
        track_.reset();
        track_ = std::make_unique<TTrack>(listFile, redraw);
        track_->SetBlockPassed([this] { generator_.BlockPassed(); });
        generator_.SetTrack(track_.get());
        CurrentTrack = track_.get();
    };
    mission.LoadSequence = [this](const std::string& file) { track_->LoadSequence(file); };
    mission.SetTrackLength = [this](int length) { track_->SetTrackLength(length); };
    mission.ResetStage = [this] { ResetStage(); };
    // Each stage starts its random streams afresh, so that its seed and inputs replay it.
    uint64_t seed = DrawStageSeed();
    if (replays_) replays_->StageLoading(missionFile, seed);
    Randomize(seed);
    LoadMission(missionFile, mission);
}

void TEnvironment::ResetStage() {
    if (track_) {
        track_->SetScroll(0);
        track_->SetPosition(0);
    }
    DistanceTravelled = 0;
    effects_->Clear();
    gameplay_->ResetStage(MissionValues, track_.get());
    autopilot_->Reset();
    guard_.Reset();
    PlayerSpeed = 0;
    MaxSpeed = MissionValues.MaxSpeed;
    ActiveBonus = BT_NONE;
    GameMusic = MissionValues.Music;
}

void TEnvironment::Update(uint32_t step) {
    cloudDriftAlong_ = static_cast<float>(cloudDriftAlong_ + step / 1000.0L / 10);
    cloudDriftAcross_ = static_cast<float>(cloudDriftAcross_ + step / 1000.0L / 100);
    guard_.Run([&] { UpdateControllers(step); });
    // The surfaces under the wheels, and the objects the car touches, where the update left it.
    if (track_ && VehicleContact) track_->ProbeContacts(*VehicleContact);
    if (replays_) replays_->FrameDone();
}

void TEnvironment::UpdateControllers(uint32_t step) {
    const bool escape = Keys->IsPressed(KEY_ESCAPE);
    TStageInput input{FrameStep, step, TimeDivisor, ReadPlayerInput(*Keys), escape, gameplay_->game.aim};
    if (replays_) replays_->Frame(input);
    const int dt = static_cast<int>(step);
    ++FrameCounter;
    PlayTime += step;
    lastStep_ = step;
    MouseReference = Cursor;

    const TVector4 roadDrift{0, dt / 1000.0f * ForwardVelocity, 0, 0};
    effects_->Scroll(roadDrift);
    glows_->Drift(roadDrift);

    weather_->Update(dt, ForwardVelocity);
    if (track_) track_->Update(dt, ForwardVelocity);
    TGameContext& game = gameplay_->game;
    game.playTime = PlayTime;
    game.frameStep = FrameStep;
    game.timeDivisor = TimeDivisor;
    game.aim = input.aim;
    gameplay_->Update(dt, input.controls);
    if (input.controls.missileUsed) Keys->ClearAction(KP_MISSILE);
    const TPlayer& player = gameplay_->player;
    CameraPosition = player.cameraPosition;
    CameraAngles.y = player.cameraPitch;
    if (player.outcome != STAGE_PLAYING) {
        MenuActive = true;
        CurrentMenuPage = player.outcome == STAGE_COMPLETE ? PAGE_STAGE_COMPLETE : PAGE_LOSE;
    }
    effects_->Update(dt);
    glows_->Update(dt);

    SoundLib->UpdateListener();
    AdaptFieldOfView(dt, PlayerSpeed, MaxSpeed);

    if (input.escape) {
        Keys->ClearPressed(KEY_ESCAPE);
        MenuActive = true;
        CurrentMenuPage = PAGE_MAIN;
    }
}

void TEnvironment::Render(const TViewport& view) {
    // The shadow pass's stencil count starts here: clearing depth and stencil together fills the
    // buffer, where a clear of either alone must keep the other's bits.
    glClearStencil(TShadowVolume::kStencilZero);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glClearStencil(0);
    glLoadIdentity();
    SetUpView(view);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_ALPHA_TEST);

    lights_->SwitchOn();
    weather_->ApplyFog();
    CountPass("ground");
    if (track_) track_->RenderGround();
    CountPass("horizon");
    if (track_) track_->RenderHorizon();
    CountPass("track0");
    if (track_) track_->Render(0);

    // A replay shows the aim its next frame takes; else it lies under the pointer, which is in
    // window pixels while the scene may be drawn at a lower resolution.
    if (const TVector4* shown = replays_ ? replays_->AimToShow() : nullptr) {
        crosshair_->Place({shown->x, shown->y, shown->z});
    } else {
        const double toViewX = static_cast<double>(view.width) / Viewport.width;
        const double toViewY = static_cast<double>(view.height) / Viewport.height;
        crosshair_->Update((MouseReference.x + 0.5) * toViewX - 0.5, (MouseReference.y + 0.5) * toViewY - 0.5);
    }
    const TAimPoint& aim = crosshair_->WorldAim();
    gameplay_->MarkAim(
        MakeVector(static_cast<float>(aim.x), static_cast<float>(aim.y), static_cast<float>(aim.z)));

    CountPass("traffic");
    gameplay_->RenderTraffic();
    CountPass("player");
    gameplay_->RenderPlayer();
    CountPass("track1");
    if (track_) track_->Render(1);
    CountPass("projectiles");
    gameplay_->RenderProjectiles();

    CountPass("shadows");
    if (Config->Shadows && track_) DrawShadowVolumes();

    glEnable(GL_TEXTURE_2D);
    lights_->SwitchOff();
    // Rain, sprites and the pieces drawn over them stand in the fog like the rest of the scene.
    CountPass("weather");
    weather_->Draw(CameraPosition);
    CountPass("effects");
    effects_->Render(CameraPosition);
    CountPass("track2");
    if (track_) track_->Render(2);
    weather_->RemoveFog();

    CountPass("darken");
    if (Config->Shadows) DarkenShadowedPixels(view);

    glEnable(GL_TEXTURE_2D);
    glLoadIdentity();
    SetUpView(view);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    CountPass("glows");
    glows_->Draw();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    CountPass("clouds");
    // Cloud shadows fade into the fog with the ground they lie on.
    weather_->ApplyFog();
    DrawCloudShadows();
    weather_->RemoveFog();
    glEnable(GL_DEPTH_TEST);

    // The nitro's motion blur: the previous frame at 40 % over this one.
    CountPass("blur");
    if (ActiveBonus == BT_NITRO) {
        blur_.Apply(view.x, view.y, view.width, view.height);
    } else {
        blur_.Reset();
    }
}

void TEnvironment::DrawHud(uint32_t step) {
    THudView view;
    view.width = Viewport.width;
    view.height = Viewport.height;
    view.scale = InterfaceScale(Viewport.width, Viewport.height);
    gameplay_->DrawHud(static_cast<int>(step), view, crosshair_.get());
}

TPlayer& TEnvironment::Player() {
    return gameplay_->player;
}

TAutopilotControls TEnvironment::AutopilotControls(const TViewport& viewport) {
    return autopilot_->Decide(viewport);
}

std::string TEnvironment::TraceFields() const {
    return gameplay_->TraceFields() + " state=" + StateDigest();
}

std::string TEnvironment::StateDigest() const {
    TStateBytes state;
    AddGameplayState(*gameplay_, state);
    state.Add(PlayTime);
    state.Add(FrameCounter);
    state.Add(DistanceTravelled);
    if (track_) {
        state.Add(track_->Scroll());
        state.Add(track_->Position());
        for (int slot = 0; slot < TTrack::kWindowSlots; ++slot)
            state.Add(track_->Window(slot));
    }
    state.Add(generator_.CurrentBlock());
    state.Add(generator_.PoolCount());
    state.Add(SpecMission.NeutralAlive);
    state.Add(SpecMission.FriendLosses);
    state.Add(RandomState());
    char text[17];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(platform::Digest(state.Bytes())));
    return text;
}

TStageStart TEnvironment::StageStart() const {
    const TPlayer& player = gameplay_->player;
    const THUD& hud = gameplay_->hud;
    return {player.score.Current(),
            player.Health,
            player.Shield,
            player.TimeLeft,
            {hud.UziBullets, hud.MachinegunBullets, hud.ShotgunBullets, hud.BazookaBullets, hud.Rockets},
            PlayTime,
            FrameCounter,
            player.cameraOffset,
            FieldOfView,
            {cloudDriftAlong_, cloudDriftAcross_},
            {player.forwardVelocity, player.lateralVelocity},
            {player.steerHold, player.shootCooldown, player.rocketCooldown, player.rocketDelay,
             player.muzzleFlashTime, player.weaponKind}};
}

void TEnvironment::RestoreStageStart(const TStageStart& start) {
    TPlayer& player = gameplay_->player;
    THUD& hud = gameplay_->hud;
    player.score.SetCurrent(start.score);
    player.Health = start.health;
    player.Shield = start.shield;
    player.TimeLeft = start.timeLeft;
    hud.UziBullets = start.ammunition[0];
    hud.MachinegunBullets = start.ammunition[1];
    hud.ShotgunBullets = start.ammunition[2];
    hud.BazookaBullets = start.ammunition[3];
    hud.Rockets = start.ammunition[4];
    PlayTime = start.playTime;
    FrameCounter = start.frameCounter;
    player.cameraOffset = start.cameraOffset;
    FieldOfView = start.fieldOfView;
    cloudDriftAlong_ = start.cloudDrift[0];
    cloudDriftAcross_ = start.cloudDrift[1];
    player.forwardVelocity = start.velocity[0];
    ForwardVelocity = start.velocity[0]; // the road scrolls by it before the car moves
    player.lateralVelocity = start.velocity[1];
    player.steerHold = start.car[0];
    player.shootCooldown = start.car[1];
    player.rocketCooldown = start.car[2];
    player.rocketDelay = start.car[3];
    player.muzzleFlashTime = start.car[4];
    player.weaponKind = start.car[5];
}

void TEnvironment::DrawShadowVolumes() {
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_STENCIL_TEST);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glColor4f(1, 0, 0, 0.4f);
    glDisable(GL_TEXTURE_2D);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    track_->RenderShadows();
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void TEnvironment::DarkenShadowedPixels(const TViewport& view) {
    glDisable(GL_TEXTURE_2D);
    glStencilFunc(GL_LESS, TShadowVolume::kStencilZero, ~0u);
    glDisable(GL_DEPTH_TEST);
    glColor4f(0, 0, 0, 0.4f);
    glViewport(view.x, view.y, view.width, view.height);
    UseDeviceCoordinates();
    Out2D->DrawQuad(-1, -1, 1, 1);
    if (Keys->IsPressed(KEY_RETURN)) Keys->ClearPressed(KEY_RETURN);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glDisable(GL_STENCIL_TEST);
}

void TEnvironment::DrawCloudShadows() {
    // The shadows lie on the ground and pass with it, one texture repeat every 160 units.
    const float d = DistanceTravelled / 160;
    const float t = d - std::nearbyint(d);
    const float a = cloudDriftAlong_;
    const float b = cloudDriftAcross_;
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    TextureLib->Bind(cloudTexture_);
    if (!cloudCells_) cloudCells_ = BoundTextureCells();
    // Clear sky leaves the pixel as it is: dropping its texels spares the software renderer
    // the blend over most of the screen, and leaving out the clear cells spares it the rest of
    // their pixels.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
    // The texture once across the 240 units of ground, twice along its 320.
    const float s0 = -b;
    const float t0 = t - a;
    glBegin(GL_QUADS);
    for (const TTexRect& r : cloudCells_->Covered(s0, t0, s0 + 1, t0 + 2)) {
        const float x0 = -120 + 240 * (r.s0 - s0), x1 = -120 + 240 * (r.s1 - s0);
        const float y0 = -160 * (r.t0 - t0), y1 = -160 * (r.t1 - t0);
        glTexCoord2f(r.s0, r.t0);
        glVertex3f(x0, y0, 0);
        glTexCoord2f(r.s1, r.t0);
        glVertex3f(x1, y0, 0);
        glTexCoord2f(r.s1, r.t1);
        glVertex3f(x1, y1, 0);
        glTexCoord2f(r.s0, r.t1);
        glVertex3f(x0, y1, 0);
    }
    glEnd();
    glDisable(GL_ALPHA_TEST);
}
