// Recording stages and playing them back.
#include "app/ReplaySession.h"

#include <cstdio>
#include <ctime>

#include "app/Environment.h"
#include "app/ReplayStore.h"
#include "app/StagePreview.h"
#include "core/Error.h"
#include "core/Log.h"
#include "core/Random.h"
#include "menu/LoadPage.h"
#include "platform/Compression.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "resources/Matrix.h"
#include "settings/Configure.h"

namespace {

const std::string kGameVersion = KESTROVA_VERSION;
// A replay behind its real time by more than this plays on from where it is, without hurrying.
constexpr int64_t kMaxLag = 250;

uint64_t MissionDigest(const std::string& missionFile) {
    try {
        const TBytes bytes = Extractor->ReadFile(missionFile);
        return platform::Digest(std::string(bytes.begin(), bytes.end()));
    } catch (const EGameError&) {
        return 0; // the loader reports the missing file itself
    }
}

// The stage a mission file is of; 0 for a file no stage loads.
int StageOf(const std::string& missionFile) {
    for (int stage = 1; stage <= 15; ++stage)
        if (StageMissionPath(stage) == missionFile) return stage;
    return 0;
}

std::string ProfileName() {
    if (!Config || Config->CurrentPlayer < 0 || Config->CurrentPlayer >= Config->PlayerCount) return "";
    return Config->Players[Config->CurrentPlayer].Name;
}

std::string Hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

uint16_t ControlBits(const TStageInput& input) {
    const TPlayerInput& c = input.controls;
    return static_cast<uint16_t>((c.forward ? RC_FORWARD : 0) | (c.backward ? RC_BACKWARD : 0) |
                                 (c.left ? RC_LEFT : 0) | (c.right ? RC_RIGHT : 0) |
                                 (c.shoot ? RC_SHOOT : 0) | (c.missile ? RC_MISSILE : 0) |
                                 (input.escape ? RC_ESCAPE : 0) | (c.cameraShift > 0 ? RC_CAMERA_UP : 0) |
                                 (c.cameraShift < 0 ? RC_CAMERA_DOWN : 0));
}

void ApplyControlBits(uint16_t bits, TStageInput& input) {
    TPlayerInput& c = input.controls;
    c.forward = bits & RC_FORWARD;
    c.backward = bits & RC_BACKWARD;
    c.left = bits & RC_LEFT;
    c.right = bits & RC_RIGHT;
    c.shoot = bits & RC_SHOOT;
    c.missile = bits & RC_MISSILE;
    c.cameraShift = (bits & RC_CAMERA_UP ? 1 : 0) - (bits & RC_CAMERA_DOWN ? 1 : 0);
    input.escape = bits & RC_ESCAPE;
}

TVector4 AimOf(const TReplayFrame& frame) {
    return MakeVector(frame.aim[0], frame.aim[1], frame.aim[2]);
}

} // namespace

void TReplaySession::Play(const std::string& file) {
    std::string bytes;
    if (!platform::ReadWholeFile(file, bytes)) throw EGameError("Unable to read the replay " + file);
    TReplay replay = ReadReplay(bytes, file);
    const std::string refusal = Refusal(replay, file);
    if (!refusal.empty()) throw EGameError(refusal);
    Start(std::move(replay));
}

bool TReplaySession::PlayStoredBest() {
    const std::string folder = platform::ReplayDirectory();
    const std::vector<std::string> best = folder.empty() ? std::vector<std::string>() : BestRuns(folder);
    const size_t first = static_cast<size_t>(Random(static_cast<int>(best.size())));
    for (size_t i = 0; i < best.size(); ++i) {
        const std::string& path = best[(first + i) % best.size()];
        std::string bytes;
        std::optional<TReplay> replay;
        try {
            if (platform::ReadWholeFile(path, bytes)) replay = ReadReplay(bytes, path);
        } catch (const EGameError&) {
            // A damaged file is passed over.
        }
        if (!replay || !Refusal(*replay, path).empty()) continue;
        Start(std::move(*replay));
        return true;
    }
    return false;
}

std::string TReplaySession::Refusal(const TReplay& replay, const std::string& name) {
    if (replay.gameVersion != kGameVersion)
        return "Replay " + name + " was recorded with game version " + replay.gameVersion +
               "; this is version " + kGameVersion;
    if (replay.dataDigest != DataDigest())
        return "Replay " + name + " was recorded with other game data: data digest " +
               Hex(replay.dataDigest) + ", here " + Hex(DataDigest());
    const uint64_t mission = MissionDigest(StageMissionPath(replay.stage));
    if (replay.missionDigest != mission)
        return "Replay " + name + " was recorded with other game data: stage " +
               std::to_string(replay.stage) + "'s mission digest " + Hex(replay.missionDigest) + ", here " +
               Hex(mission);
    return "";
}

void TReplaySession::StartDataDigest() {
    if (!dataDigest_ && !digesting_.valid()) digesting_ = platform::DigestFile(ProgramDir + "Data.dpg");
}

uint64_t TReplaySession::DataDigest() {
    if (!dataDigest_) {
        StartDataDigest();
        dataDigest_ = digesting_.get();
    }
    return *dataDigest_;
}

void TReplaySession::Start(TReplay replay) {
    replay_ = std::move(replay);
    playing_ = true;
    StartStagePreview(environment_, replay_.stage);
}

std::optional<TReplaySteps> TReplaySession::NextSteps() {
    if (!playing_ || next_ >= replay_.frames.size()) return std::nullopt;
    const TReplayFrame& frame = replay_.frames[next_];
    if (realTime_) {
        const uint32_t now = platform::GetTickCount();
        if (next_ == 0) {
            paceStart_ = now;
            paceSum_ = 0;
        }
        paceSum_ += frame.step;
        const int64_t ahead = static_cast<int64_t>(paceSum_) - static_cast<uint32_t>(now - paceStart_);
        if (ahead > 0) platform::Sleep(static_cast<uint32_t>(ahead));
        if (ahead < -kMaxLag) paceStart_ = now - static_cast<uint32_t>(paceSum_);
    }
    return TReplaySteps{frame.step, frame.scaledStep, frame.divisor};
}

void TReplaySession::StageLoading(const std::string& missionFile, uint64_t& seed) {
    Finish(RO_UNFINISHED);
    if (playing_) {
        seed = replay_.seed;
        next_ = 0;
        return;
    }
    const int stage = StageOf(missionFile);
    if (!recording_ || stage == 0) return;
    run_ = TReplay();
    run_->gameVersion = kGameVersion;
    run_->stage = stage;
    run_->missionDigest = MissionDigest(missionFile);
    // Taken when the run is written: the stage loads meanwhile.
    StartDataDigest();
    run_->seed = seed;
    run_->profile = ProfileName();
    runPath_.clear();
}

void TReplaySession::Frame(TStageInput& input) {
    TPlayer& player = environment_.Player();
    if (playing_) {
        if (next_ >= replay_.frames.size()) return;
        if (next_ == 0) environment_.RestoreStageStart(replay_.start);
        const TReplayFrame& frame = replay_.frames[next_++];
        ApplyControlBits(frame.controls, input);
        input.aim = AimOf(frame);
        if (frame.health) player.Health = *frame.health;
        shownAim_ = AimOf(replay_.frames[std::min(next_, replay_.frames.size() - 1)]);
        return;
    }
    if (!run_) return;
    if (run_->frames.empty()) {
        run_->start = environment_.StageStart();
        lastHealth_ = player.Health;
    }
    TReplayFrame frame;
    frame.step = static_cast<uint8_t>(input.frameStep);
    frame.scaledStep = static_cast<uint8_t>(input.scaledStep);
    frame.divisor = static_cast<uint8_t>(input.divisor);
    frame.controls = ControlBits(input);
    frame.aim = {input.aim.x, input.aim.y, input.aim.z};
    if (player.Health != lastHealth_) frame.health = player.Health;
    run_->frames.push_back(frame);
    if (run_->frames.size() == kMaxReplayFrames) Finish(RO_UNFINISHED);
}

void TReplaySession::FrameDone() {
    if (!run_ || run_->frames.empty()) return;
    const TPlayer& player = environment_.Player();
    lastHealth_ = player.Health;
    if (player.outcome != STAGE_PLAYING) Finish(player.outcome == STAGE_COMPLETE ? RO_COMPLETE : RO_LOST);
}

const TVector4* TReplaySession::AimToShow() const {
    return playing_ && next_ > 0 ? &shownAim_ : nullptr;
}

void TReplaySession::Fault(const std::string& error) {
    if (!run_ || run_->frames.empty()) return;
    const std::string path = WriteRun();
    if (path.empty()) return;
    const std::string line = "Replay of this run: " + path;
    if (Log) Log->Write(line);
    std::fprintf(stderr, "%s\n%s\n", error.c_str(), line.c_str());
    std::fflush(stderr);
}

std::string TReplaySession::WriteRun() {
    const std::string folder = platform::ReplayDirectory();
    if (folder.empty()) {
        std::fprintf(stderr, "No folder for replays\n");
        return "";
    }
    if (runPath_.empty()) {
        const std::time_t clock = std::time(nullptr);
        runPath_ = NewRunPath(folder, run_->stage, *std::localtime(&clock));
    }
    run_->finalScore = environment_.Player().score.Current();
    run_->dataDigest = DataDigest();
    if (!StoreRun(folder, runPath_, *run_)) {
        std::fprintf(stderr, "Could not save the replay %s\n", runPath_.c_str());
        return "";
    }
    return runPath_;
}

void TReplaySession::Finish(TReplayOutcome outcome) {
    if (!run_) return;
    if (!run_->frames.empty()) {
        run_->outcome = outcome;
        WriteRun();
    }
    run_.reset();
}
