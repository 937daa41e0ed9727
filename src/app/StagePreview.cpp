// A stage's track, weather and lights without player or traffic.
#include "app/StagePreview.h"

#include "app/Camera.h"
#include "app/Globals.h"
#include "gameplay/PlayerState.h"
#include "resources/EffectLib.h"
#include "resources/Effects.h"
#include "resources/Out2D.h"
#include "resources/TextureSource.h"
#include "settings/Configure.h"
#include "world/GlobalTables.h"
#include "world/Lights.h"
#include "world/MissionLoader.h"
#include "world/MissionValues.h"
#include "world/Track.h"
#include "world/WeatherControl.h"

#include <GL/gl.h>

namespace {

// One block a second: slow enough to see the blocks pass.
constexpr float PreviewSpeed = 40;

void DarkenShadowedPixels() {
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
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glDisable(GL_STENCIL_TEST);
    glColor4f(1, 1, 1, 1);
}

void DrawShadowVolumes() {
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

} // namespace

TStagePreview::TStagePreview(const std::string& missionFile) {
    effects_ = std::make_unique<TEffects>(CameraAngles, LibraryTextures());
    weather_ =
        std::make_unique<TWeather>(effects_.get(), EffectLib->Load(ProgramDir + "Data\\Sprites\\Snow.eff"));
    Weather = weather_.get();
    if (!LightsControl) LightsControl = new TLightsControl;
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
    };
    LoadMission(missionFile, mission);

    CameraPosition = {0, MissionValues.CameraHorizontal, MissionValues.CameraVertical, 0};
    CameraAngles = {0, MissionValues.CameraAngle, 180, 0};
    ForwardVelocity = PreviewSpeed;
}

TStagePreview::~TStagePreview() {
    if (Weather == weather_.get()) Weather = nullptr;
}

void TStagePreview::Update(uint32_t step) {
    const int dt = static_cast<int>(step);
    effects_->Scroll({0, dt / 1000.0f * ForwardVelocity, 0, 0});
    weather_->Update(dt);
    if (CurrentTrack) CurrentTrack->Update(dt);
    effects_->Update(dt);
}

void TStagePreview::Render() const {
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
    if (CurrentTrack) CurrentTrack->Render(1);
    weather_->RemoveFog();
    if (Config->Shadows && CurrentTrack) DrawShadowVolumes();
    glEnable(GL_TEXTURE_2D);
    LightsControl->SwitchOff();
    weather_->Draw();
    effects_->Render();
    if (CurrentTrack) CurrentTrack->Render(2);
    if (Config->Shadows) DarkenShadowedPixels();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
}
