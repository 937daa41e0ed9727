// Start-up in its fixed order, the frame loop and shutdown.
#include "app/Engine.h"

#include "app/CommandLine.h"
#include "app/DemoMode.h"
#include "app/Environment.h"
#include "app/FragmentCounter.h"
#include "app/FrameClock.h"
#include "app/Globals.h"
#include "app/LoadingScreen.h"
#include "app/LogLines.h"
#include "app/MenuStage.h"
#include "app/Music.h"
#include "app/ReplaySession.h"
#include "app/ScaledScene.h"
#include "app/Screenshot.h"
#include "app/ScreenshotKey.h"
#include "app/ScriptedInput.h"
#include "app/StagePreview.h"
#include "app/Window.h"
#include "core/Error.h"
#include "core/Log.h"
#include "core/Random.h"
#include "gameplay/HudState.h"
#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "menu/MenuPilot.h"
#include "menu/MenuScreen.h"
#include "menu/ScoreService.h"
#include "platform/Audio.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/GamePads.h"
#include "platform/Platform.h"
#include "resources/DataPath.h"
#include "resources/EffectLib.h"
#include "resources/Extractor.h"
#include "resources/ModelLib.h"
#include "resources/OGLExt.h"
#include "resources/OpenIL.h"
#include "resources/Out2D.h"
#include "resources/Shaders.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "resources/TextureSource.h"
#include "settings/Additions.h"
#include "settings/Configure.h"
#include "settings/ScreenSizes.h"
#include "settings/KeyControl.h"
#include "world/BonusTypes.h"

#include <GL/gl.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

constexpr uint32_t UnfocusedSleep = 500;
constexpr char AdditionsFile[] = "Additions.cfg";

// What the command line asked of this run, beyond the switches.
struct TRunOptions {
    TCommandLine line;
    std::vector<std::string> args;
    std::unique_ptr<TScriptedInput> script;
    FILE* trace = nullptr;
    FILE* frameTimes = nullptr;
    bool savedShadows = false; // the setting --shadows stands in for
    std::unique_ptr<TReplaySession> replays;
    TRenderScaleSetting savedRenderScale; // and the one --render-scale stands in for
    std::unique_ptr<TScaledScene> scene;
    std::unique_ptr<TFragmentCounter> fragments;
    std::unique_ptr<TDemoMode> demo;
    std::unique_ptr<TMenuPilot> menuPilot; // an --autopilot game from the main page
    platform::TPoint lastPointer{};
};

void SetGlobalGLState() {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // No alpha test: one that passes everything still has the software renderer defer each
    // fragment's depth write until after its shading.
    glDisable(GL_ALPHA_TEST);
}

void ApplyViewport() {
    glViewport(Viewport.x, Viewport.y, Viewport.width, Viewport.height);
}

// Frame 0 is the loading screen.
void TakeScreenshots(const TRunOptions& run, uint64_t frame) {
    for (const TScreenshotRequest& shot : run.line.screenshots) {
        if (shot.frame == frame && !SaveScreenshot(shot.file, Viewport.width, Viewport.height))
            std::fprintf(stderr, "Could not write screenshot %s\n", shot.file.c_str());
    }
}

// The window, focused, centred and with its vertical sync; false when it could not be made.
bool OpenWindow(const TCommandLine& line, bool withDepth) {
    // The desktop-sized window covers the screen without a frame, like a full screen that
    // needs no change of display mode.
    const bool borderless = !line.windowWidth && Config->Resolution == DESKTOP_RESOLUTION;
    if (!CreateGLWindow(2 * HalfWidth, 2 * HalfHeight, Config->FullScreen, Config->ColourDepth, borderless,
                        withDepth))
        return false;
    platform::FocusWindow();
    // A fixed-step run never waits for real time, so it must not wait for the display either.
    platform::SetVerticalSync(line.vsync && !line.fixedStep);
    const platform::TPoint client = platform::ClientSize();
    Viewport = {0, 0, client.x, client.y};
    const platform::TPoint desktop = platform::DesktopSize();
    platform::MoveWindow((desktop.x - 2 * HalfWidth) / 2, (desktop.y - 2 * HalfHeight) / 2);
    return true;
}

// Start-up steps 1 to 21; false when the window could not be made.
bool StartUp(TRunOptions& run) {
    const TCommandLine& line = run.line;
    platform::PrepareFonts();
    Log = new TLOgFile(SettingsDir + "log.txt", line.log);

    Config = new TConfig();
    Log->Write(loglines::LoadingConfig);
    Config->LoadOrFirstStart(SettingsDir + "Config.cfg");
    ConfigFile = SettingsDir + "Config.cfg";
    ScoreServiceBase =
        ChooseScoreService(line.scoreService, platform::EnvironmentValue("KESTROVA_SCORE_SERVICE").c_str());
    run.savedShadows = Config->Shadows;
    if (line.shadows) Config->Shadows = *line.shadows;
    Additions = new TAdditions();
    Additions->Load(SettingsDir + AdditionsFile);
    run.savedRenderScale = Additions->RenderScale;
    if (line.renderScale) Additions->RenderScale = *line.renderScale;
    run.scene = std::make_unique<TScaledScene>(Additions->RenderScale, Additions->AutoScale);

    const uint64_t counter = platform::PerformanceCounter();
    Randomize(line.seed ? *line.seed : counter ? counter : platform::GetTickCount());

    QuitFlag = false;
    const platform::TPoint size = line.windowWidth ? platform::TPoint{*line.windowWidth, *line.windowHeight}
                                                   : ResolutionSize(Config->Resolution);
    HalfWidth = size.x / 2;
    HalfHeight = size.y / 2;

    // The sound device opens while the window is made; the sound library takes it.
    platform::AudioInitAhead(line.audio);
    platform::InitVideo();
    platform::StartGamePads();
    platform::SetCursorPos(HalfWidth, HalfHeight);
    platform::ShowCursor(false);

    Log->Write(loglines::CreatingWindow);
    // A scene drawn off-screen needs no depth in the window, and the driver stretches it over a
    // window without one by a faster path.
    const bool offScreen = Additions->RenderScale.automatic || Additions->RenderScale.scale < 1;
    if (!OpenWindow(line, !offScreen)) return false;
    Log->Write(loglines::InitGLExt);
    LoadGLExtensions();
    if (offScreen && !oglext::FramebuffersAvailable) {
        // No off-screen target after all: the scene needs the window's depth.
        DestroyGLWindow(false);
        if (!OpenWindow(line, true)) return false;
        LoadGLExtensions();
    }
    Log->Write(loglines::InitIL);
    InitIL();

    platform::SetCursorPos(HalfWidth, HalfHeight);
    MouseReference = {HalfWidth, HalfHeight};

    SetGlobalGLState();

    Log->Write(loglines::LoadingArchive);
    Extractor = new TExtractor();
    if (platform::FileExists(ProgramDir + "Data.dpg")) Extractor->Open(ProgramDir + "Data.dpg");
    Extractor->SetBaseDirectory(ProgramDir);

    TextureLib = new TTextureLib();
    TMenu::DecodePicturesAhead();
    DecodeWindowIconAhead();
    // The rest wait until the first page is shown or a stage loads (TEnvironment::LoadStage);
    // the menu's own wait until the menu shows, so that a stage started on its own plays
    // without decoding them (FrameLoop).
    TextureLib->HoldDecoding(THold::UntilStarted);
    Out2D = new TOut2D();
    ApplyInterfaceScale(Viewport.width, Viewport.height);
    DrawLoadingScreen();
    TakeScreenshots(run, 0);
    platform::SwapBuffers();

    ModelLib = new TModelLib(LibraryTextures());
    SoundLib = new TSoundLib(line.audio);
    EffectLib = new TEffectLib(LibraryTextures());

    Log->Write(loglines::LoadingControls);
    Keys = new TKeys(SettingsDir + "keys.cfg");

    Environment = new TEnvironment();

    Log->Write(loglines::LoadingMenus);
    TextureLib->HoldDecoding(THold::UntilMenuShown);
    Menu = new TMenu(*new TMenuStage(*Environment));
    TextureLib->HoldDecoding(THold::UntilStarted);
    MenuMusic = Menu->Music();

    Log->Write(loglines::LoadingShaders);
    GreyShader =
        new TShaderObject(DataPath("Data\\Shaders\\Default.vs"), DataPath("Data\\Shaders\\BlackWhite.fs"));

    TextureLib->HoldDecoding(THold::None);
    Log->Write(loglines::StartingGame);
    return true;
}

bool AnyKeyDown(const uint8_t state[256]) {
    for (int key = 0; key < 256; ++key)
        if (state[key] & 0x80) return true;
    return false;
}

// Steps 10: the pointer and the keyboard snapshot, from the devices or from the script; the
// demo started or ended by them, and the autopilot's keys and pointer while it plays, or the
// menu pilot's in the menus of an --autopilot game. While a replay plays the game takes its
// recorded inputs instead (in the game environment's update).
void PollInput(TRunOptions& run, uint64_t frame) {
    uint8_t state[256];
    if (run.script) {
        run.script->Apply(frame, state, Cursor);
    } else {
        platform::MovePointerByPad(FrameStep);
        Cursor = platform::CursorPos();
        platform::GetKeyboardState(state);
    }
    const bool keys = AnyKeyDown(state);
    const bool moved = Cursor.x != run.lastPointer.x || Cursor.y != run.lastPointer.y;
    run.lastPointer = Cursor;
    const bool demoEnded = run.demo->Frame(FrameStep, keys || (moved && !run.demo->Running()));
    if (run.replays->Playing()) {
        // A replay drives the stage; of the player's keys only Escape counts, and leaves it.
        if (!run.line.replayFile.empty() && (state[KEY_ESCAPE] & 0x80)) QuitFlag = true;
        std::fill(state, state + 256, 0);
    } else if ((run.line.autopilot || run.demo->Running()) && !MenuActive && Environment->StageLoaded()) {
        const TAutopilotControls controls = Environment->AutopilotControls(Viewport);
        TAutopilot::PressKeys(controls, Keys->Bindings, state);
        Cursor = {controls.pointerX, controls.pointerY};
    } else if (run.menuPilot && MenuActive) {
        run.menuPilot->Frame(state, Cursor);
    }
    Keys->Update(state);
    // The key or click that ended the demo does not reach the main page.
    if (demoEnded)
        for (int key = 0; key < 256; ++key)
            Keys->ClearPressed(key);
}

void SendScriptedEvents(const TRunOptions& run, uint64_t frame) {
    const TScriptedFrame* events = run.script ? run.script->EventsAt(frame) : nullptr;
    if (!events) return;
    platform::PostPointerMotion(events->motion);
    if (events->close) platform::PostClose();
    if (events->quit) platform::PostQuit();
    if (events->resize) platform::ResizeWindow(events->resize->x, events->resize->y);
    if (events->restart) {
        // What the restart page does once the player confirms it.
        Config->Resolution = Config->PendingResolution;
        Config->FullScreen = Config->PendingFullScreen;
        QuitFlag = true;
        RestartFlag = true;
    }
}

// The recorded steps of a replay's next game frame. Its end page stays; a replay out of frames
// before its end is left.
std::optional<TReplaySteps> ReplayedSteps(TRunOptions& run) {
    TReplaySession& replays = *run.replays;
    if (!replays.Playing() || MenuActive) return std::nullopt;
    std::optional<TReplaySteps> steps = replays.NextSteps();
    if (!steps) {
        replays.StopPlayback();
        MenuActive = true;
        CurrentMenuPage = PAGE_MAIN;
        if (!run.line.replayFile.empty()) QuitFlag = true;
    }
    return steps;
}

void MenuFrame(uint32_t frameStep, TScaledScene& scene) {
    MenuFrameMusic(Config->MusicVolume);
    // With the stencil too, the clear fills the depth buffer rather than rewriting its depth bits.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    // The pause and stage-complete pages stand over the frozen scene, in grey.
    if (CurrentMenuPage == PAGE_PAUSE || CurrentMenuPage == PAGE_STAGE_COMPLETE) {
        scene.Draw(Viewport, [](const TViewport& view) {
            GreyShader->Enable();
            Environment->Render(view);
            GreyShader->Disable();
        });
    }
    Menu->Draw(frameStep, {Viewport.x, Viewport.y, Viewport.width, Viewport.height, PixelScaleX, PixelScaleY,
                           Cursor.x, Cursor.y, InterfaceScale(Viewport.width, Viewport.height)});
}

void GameFrame(uint32_t scaledStep, const TDemoMode& demo, TScaledScene& scene) {
    GameFrameMusic(Config->MusicVolume);
    Environment->Update(scaledStep);
    scene.Draw(Viewport, [](const TViewport& view) { Environment->Render(view); });
    CountPass("hud");
    Environment->DrawHud(scaledStep);
    if (demo.Running()) demo.DrawLine(Viewport.width, Viewport.height);
}

void DrawBrightnessOverlay() {
    ApplyViewport();
    UseDeviceCoordinates();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, Config->Brightness);
    // At 0 the blend leaves every pixel as it is: a whole window's fill for nothing.
    if (Config->Brightness > 0) Out2D->DrawQuad(-1, -1, 1, 1);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void WriteTrace(const TRunOptions& run, uint64_t frame, uint32_t scaledStep) {
    if (!run.trace) return;
    std::fprintf(run.trace, "frame=%llu step=%u scaled=%u divisor=%u menu=%d page=%d quit=%d window=%dx%d scene=%dx%d",
                 static_cast<unsigned long long>(frame), FrameStep, scaledStep, TimeDivisor,
                 MenuActive ? 1 : 0, CurrentMenuPage, QuitFlag ? 1 : 0, Viewport.width, Viewport.height,
                 run.scene->Width(), run.scene->Height());
    if (Environment->StageLoaded()) std::fprintf(run.trace, " %s", Environment->TraceFields().c_str());
    std::fputc('\n', run.trace);
}

void FrameLoop(TRunOptions& run) {
    TFrameClock clock;
    clock.lastTick = platform::GetTickCount();
    TScreenshotKey screenshotKey;
    for (uint64_t frame = 1; !QuitFlag; ++frame) {
        const auto frameStart = std::chrono::steady_clock::now();
        if (frame == 2) {
            TextureLib->DecodeHeld(THold::UntilStarted);
            LoadWindowIcon();
        }
        if (frame >= 2 && MenuActive) TextureLib->DecodeHeld(THold::UntilMenuShown);
        SendScriptedEvents(run, frame);
        const platform::TMessage message = platform::PeekMessage();
        if (!run.line.replayFile.empty() && message.kind == platform::Message::Close) {
            QuitFlag = true; // watching a replay, the window's close button leaves at once
        } else {
            HandleWindowMessage(message);
        }

        if (const std::optional<uint32_t> scripted = run.script ? run.script->StepAt(frame) : std::nullopt) {
            FrameStep = *scripted;
        } else if (run.line.fixedStep) {
            FrameStep = *run.line.fixedStep;
            if (run.line.fixedFps && FixedRateSleep(FrameStep) > 0) FrameStep = MaxFrameStep;
        } else {
            FrameStep = MeasureFrameStep(clock, run.line.fixedFps, platform::GetTickCount, platform::Sleep);
        }
        FrameStep = ClampFrameStep(FrameStep);
        if (Keys->IsPressed(KEY_RETURN)) FrameStep = 0;

        std::string title;
        if (run.line.fps && CountFrameForTitle(clock, FrameStep, title)) platform::SetTitle(title);

        const uint32_t target = ActiveBonus == BT_SLOMO ? 4 : 1;
        EaseTimeDivisor(clock, TimeDivisor, target, FrameStep);
        SoundLib->SetTimeDivisor(TimeDivisor);

        if (run.line.frames && frame >= *run.line.frames) QuitFlag = true;
        if (!platform::HasFocus()) {
            platform::Sleep(UnfocusedSleep);
            continue;
        }

        // A replay's stage goes on after the main page its player opened with Escape.
        if (run.replays->Playing() && MenuActive && CurrentMenuPage == PAGE_MAIN) MenuActive = false;
        PollInput(run, frame);
        const std::optional<TReplaySteps> replayed = ReplayedSteps(run);
        if (replayed) {
            FrameStep = replayed->frameStep;
            TimeDivisor = replayed->divisor;
            SoundLib->SetTimeDivisor(TimeDivisor);
        }
        const uint32_t scaledStep =
            replayed ? replayed->scaledStep : ScaledStep(clock, FrameStep, TimeDivisor);
        run.scene->Follow(Additions->RenderScale);
        if (MenuActive) {
            MenuFrame(FrameStep, *run.scene);
        } else {
            GameFrame(scaledStep, *run.demo, *run.scene);
        }
        CarryRemainder(clock, FrameStep, TimeDivisor);

        CountPass("brightness");
        DrawBrightnessOverlay();
        const uint32_t now = platform::GetTickCount();
        screenshotKey.Update(now);
        screenshotKey.DrawNotice(now);
        // An autopilot playing one stage is done once the stage's end page opens, and one
        // playing a game once the game is over.
        if (run.line.autopilot && run.line.stage && MenuActive &&
            (CurrentMenuPage == PAGE_STAGE_COMPLETE || CurrentMenuPage == PAGE_LOSE))
            QuitFlag = true;
        if (run.menuPilot && run.menuPilot->Finished()) QuitFlag = true;
        WriteTrace(run, frame, scaledStep);
        TakeScreenshots(run, frame);
        run.scene->FrameEnd(frameStart);
        if (FragmentCounter) FragmentCounter->EndFrame();
        platform::SwapBuffers();
        if (run.frameTimes) {
            const auto spent = std::chrono::steady_clock::now() - frameStart;
            std::fprintf(
                run.frameTimes, "%lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(spent).count()));
        }
    }
}

// Only the harness options travel to the new process: no switches, no script, no screenshots.
std::vector<std::string> RestartArguments(const std::vector<std::string>& args) {
    std::vector<std::string> kept;
    for (const std::string& a : args) {
        for (const char* keep :
             {"--fixed-step=", "--seed=", "--frames=", "--window=", "--trace=", "--audio=", "--vsync="}) {
            if (a.rfind(keep, 0) == 0) kept.push_back(a);
        }
    }
    return kept;
}

void ShutDown(const TRunOptions& run) {
    TextureLib->StopDecoding();
    run.replays->Close();
    // Watching a replay changes nothing stored.
    if (run.line.replayFile.empty()) {
        Keys->Save();
        if (run.line.shadows) Config->Shadows = run.savedShadows;
        Config->Save(SettingsDir + "Config.cfg");
        if (run.line.renderScale) Additions->RenderScale = run.savedRenderScale;
        if (run.scene->Automatic()) Additions->AutoScale = run.scene->Scale();
        Additions->Save(SettingsDir + AdditionsFile);
    }
    DestroyGLWindow(false);
    platform::AudioShutdown();
    if (run.trace) std::fclose(run.trace);
    if (run.frameTimes) std::fclose(run.frameTimes);
    FragmentCounter = nullptr;
    if (RestartFlag && !platform::StartProgramAgain(RestartArguments(run.args)))
        platform::MessageBox("Error", "Unable to restart the game");
}

} // namespace

int RunGame(int argc, char** argv) {
    ProgramDir = platform::ProgramDirectory();
    SettingsDir = platform::SettingsDirectory(ProgramDir);

    TRunOptions run;
    run.args.assign(argv + 1, argv + argc);
    run.line = ParseCommandLine(run.args);
    if (run.line.help) {
        std::fputs(kGameUsage, stdout);
        return 0;
    }
    if (!run.line.inputFile.empty()) {
        std::string text;
        if (!platform::ReadWholeFile(run.line.inputFile, text))
            throw EGameError("File not found " + run.line.inputFile);
        run.script = std::make_unique<TScriptedInput>(TScriptedInput::Parse(text, run.line.inputFile));
    }
    if (!run.line.traceFile.empty()) {
        run.trace = std::fopen(run.line.traceFile.c_str(), "w");
        if (!run.trace) throw EGameError("Unable to write " + run.line.traceFile);
        std::fprintf(run.trace, "pid=%d\n", static_cast<int>(getpid()));
    }

    if (!run.line.frameTimesFile.empty()) {
        run.frameTimes = std::fopen(run.line.frameTimesFile.c_str(), "w");
        if (!run.frameTimes) throw EGameError("Unable to write " + run.line.frameTimesFile);
    }
    if (!StartUp(run)) return 1;
    if (!run.line.fragmentsFile.empty()) {
        run.fragments = std::make_unique<TFragmentCounter>();
        if (!run.fragments->Open(run.line.fragmentsFile))
            throw EGameError("Unable to count fragments into " + run.line.fragmentsFile);
        FragmentCounter = run.fragments.get();
    }
    run.replays = std::make_unique<TReplaySession>(*Environment, !run.line.fixedStep);
    Environment->SetReplays(run.replays.get());
    run.demo = std::make_unique<TDemoMode>(*Environment, *run.replays);
    run.lastPointer = Cursor;
    if (!run.line.replayFile.empty()) {
        run.replays->SetRecording(false);
        run.replays->Play(run.line.replayFile);
    } else if (run.line.stage) {
        StartStagePreview(*Environment, *run.line.stage);
    } else if (run.line.autopilot) {
        run.menuPilot = std::make_unique<TMenuPilot>();
    }
    try {
        FrameLoop(run);
    } catch (const std::exception& error) {
        // The run that led here is kept, and named, before the error is shown.
        run.replays->Fault(error.what());
        throw;
    }
    ShutDown(run);
    return 0;
}
