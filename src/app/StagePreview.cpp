// A stage played without the menu.
#include "app/StagePreview.h"

#include "app/Camera.h"
#include "app/Globals.h"
#include "core/Log.h"
#include "gameplay/Gameplay.h"
#include "gameplay/HudState.h"
#include "gameplay/PlayerState.h"
#include "resources/Crosshair.h"
#include "resources/EffectLib.h"
#include "resources/Effects.h"
#include "resources/Glow.h"
#include "resources/Matrix.h"
#include "resources/Out2D.h"
#include "resources/SimpleEffect.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"
#include "world/BonusTypes.h"
#include "world/GlobalTables.h"
#include "world/Lights.h"
#include "world/MissionLoader.h"
#include "world/MissionValues.h"
#include "world/Track.h"
#include "world/WeatherControl.h"

#include <GL/gl.h>

namespace {

constexpr int EscapeKey = 27;
constexpr int ReturnKey = 13;

const TSimpleEffect* LoadEffect(const char* name) {
    return EffectLib->Load(ProgramDir + "Data\\Sprites\\" + name);
}

int LoadTexture(const char* name) {
    return TextureLib->Load(ProgramDir + "Data\\Textures\\" + name, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
}

void LogLine(const std::string& line) {
    if (Log) Log->Write(line);
}

} // namespace

TStagePreview::TStagePreview(int stage) : guard_(LogLine) {
    effects_ = std::make_unique<TEffects>(CameraAngles, LibraryTextures());
    glows_ = std::make_unique<TFakeLightControl>();
    if (SoundLib) SoundLib->SetListener(CameraPosition, CameraAngles);
    if (!LightsControl) LightsControl = new TLightsControl;
    crosshair_ = std::make_unique<TCrosshair>();
    ResetCamera();

    gameplay_ = std::make_unique<TGameplay>();
    TGameContext& game = gameplay_->game;
    game.effects = effects_.get();
    game.glows = glows_.get();
    game.sprites.smoke = LoadEffect("smoke1.eff");
    game.sprites.rocketSmoke = {LoadEffect("rocketsmoke.eff"), LoadEffect("rocketsmoke_2.eff"),
                                LoadEffect("rocketsmoke_3.eff")};
    game.sprites.grass = LoadEffect("grass.eff");
    game.sprites.explosion = LoadEffect("expl.eff");
    game.flashTextures = {LoadTexture("flash1.png"), LoadTexture("flash2.png")};
    shell_ = std::make_unique<TSimpleEffect>(LoadTexture("shell.png"));
    game.sprites.shell = shell_.get();
    weather_ = std::make_unique<TWeather>(effects_.get(), LoadEffect("Snow.eff"));
    Weather = weather_.get();
    gameplay_->LoadAssets();
    gameplay_->traffic.SetGenerator(&generator_);
    LightsControl->SetGlobalLight({{900, -50, 700, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
    LoadGlobalTables(assets_);

    TMissionStage mission(assets_);
    mission.Generator = &generator_;
    mission.Weather = weather_.get();
    mission.CreateTrack = [this](const std::string& listFile) {
        CurrentTrack = new TTrack(listFile);
        CurrentTrack->SetBlockPassed([this] { generator_.BlockPassed(); });
        generator_.SetTrack(CurrentTrack);
    };
    mission.LoadSequence = [](const std::string& file) { CurrentTrack->LoadSequence(file); };
    mission.SetTrackLength = [](int length) { CurrentTrack->SetTrackLength(length); };
    mission.ResetStage = [this] {
        CurrentTrack->SetScroll(0);
        CurrentTrack->SetPosition(0);
        DistanceTravelled = 0;
        effects_->Clear();
        gameplay_->ResetStage(MissionValues, CurrentTrack);
        guard_.Reset();
    };
    LoadMission(ProgramDir + "Data\\Maps\\Track" + std::to_string(stage) + ".cfg", mission);
}

TStagePreview::~TStagePreview() {
    if (Weather == weather_.get()) Weather = nullptr;
}

int TStagePreview::CarCount() const {
    return gameplay_->traffic.CarCount();
}
int TStagePreview::CarLane(int index) const {
    return gameplay_->traffic.CarLane(index);
}
float TStagePreview::CarY(int index) const {
    return gameplay_->traffic.CarY(index);
}
int TStagePreview::MaxCount() const {
    return gameplay_->traffic.MaxCount();
}
void TStagePreview::AddCar(const TSpawnedCar& car) {
    gameplay_->traffic.AddCar(car);
}

void TStagePreview::Update(uint32_t step) {
    guard_.Run([&] { UpdateControllers(static_cast<int>(step)); });
}

void TStagePreview::UpdateControllers(int dt) {
    TGameContext& game = gameplay_->game;
    game.playTime += dt;
    game.frameStep = FrameStep;
    game.timeDivisor = TimeDivisor;
    MouseReference = Cursor;
    const TVector4 drift{0, dt / 1000.0f * ForwardVelocity, 0, 0};
    effects_->Scroll(drift);
    glows_->Drift(drift);
    weather_->Update(dt);
    if (CurrentTrack) CurrentTrack->Update(dt);
    gameplay_->Update(dt, *Keys);
    effects_->Update(dt);
    glows_->Update(dt);
    if (SoundLib) SoundLib->UpdateListener();
    AdaptFieldOfView(dt);
    const TPlayer& player = gameplay_->player;
    CameraPosition = player.cameraPosition;
    CameraAngles.y = player.cameraPitch;
    if (player.outcome != STAGE_PLAYING) {
        MenuActive = true;
        CurrentMenuPage = player.outcome == STAGE_COMPLETE ? PAGE_STAGE_COMPLETE : PAGE_LOSE;
    }
    if (Keys->IsPressed(EscapeKey)) {
        Keys->ClearPressed(EscapeKey);
        MenuActive = true;
        CurrentMenuPage = PAGE_MAIN;
    }
}

void TStagePreview::Render() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    SetUpView();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_ALWAYS, 0);
    glEnable(GL_ALPHA_TEST);
    LightsControl->SwitchOn();
    weather_->ApplyFog();
    if (CurrentTrack) CurrentTrack->Render(0);

    crosshair_->Update();
    const TAimPoint& aim = crosshair_->WorldAim();
    gameplay_->MarkAim(
        MakeVector(static_cast<float>(aim.x), static_cast<float>(aim.y), static_cast<float>(aim.z)));
    gameplay_->RenderTraffic();
    gameplay_->RenderPlayer();
    if (CurrentTrack) CurrentTrack->Render(1);
    gameplay_->RenderProjectiles();
    weather_->RemoveFog();

    if (Config->Shadows && CurrentTrack) DrawShadowVolumes();
    glEnable(GL_TEXTURE_2D);
    LightsControl->SwitchOff();
    weather_->Draw();
    effects_->Render();
    if (CurrentTrack) CurrentTrack->Render(2);
    if (Config->Shadows) DarkenShadowedPixels();

    glEnable(GL_TEXTURE_2D);
    glLoadIdentity();
    SetUpView();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glows_->Draw();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);

    if (ActiveBonus == BT_NITRO) {
        blur_.Apply(Viewport.x, Viewport.y, Viewport.width, Viewport.height);
    } else {
        blur_.Reset();
    }
}

void TStagePreview::DrawHud(uint32_t step) {
    THudView view;
    view.width = Viewport.width;
    view.height = Viewport.height;
    gameplay_->DrawHud(static_cast<int>(step), view, crosshair_.get());
}

std::string TStagePreview::TraceFields() const {
    return gameplay_->TraceFields();
}

void TStagePreview::DrawShadowVolumes() {
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_STENCIL_TEST);
    glClear(GL_STENCIL_BUFFER_BIT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    CurrentTrack->RenderShadows();
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void TStagePreview::DarkenShadowedPixels() {
    glDisable(GL_TEXTURE_2D);
    glStencilFunc(GL_NOTEQUAL, 0, ~0u);
    glDisable(GL_DEPTH_TEST);
    glColor4f(0, 0, 0, 0.4f);
    glViewport(Viewport.x, Viewport.y, Viewport.width, Viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Out2D->DrawQuad(-1, -1, 1, 1);
    if (Keys->IsPressed(ReturnKey)) Keys->ClearPressed(ReturnKey);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glDisable(GL_STENCIL_TEST);
    glColor4f(1, 1, 1, 1);
}
