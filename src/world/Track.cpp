// Track layout, scrolling and drawing.
#include "world/Track.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/Error.h"
#include "core/Random.h"
#include "resources/Extractor.h"
#include "platform/FileSystem.h"
#include "resources/Matrix.h"
#include "world/Lights.h"
#include "world/VehicleContact.h"

float DistanceTravelled = 0;
float Progress = 0;
TTrack* CurrentTrack = nullptr;

namespace {

// The default sequence of an empty sequence file.
const std::vector<int> kDefaultSequence = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
// At most this far in one update (a hundred blocks): an absurd speed cannot stall the game.
constexpr float kMaxStep = 100 * TTrack::kBlockLength;

std::string Directory(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string LaneText(const std::array<bool, kLaneCount>& lanes) {
    std::string text;
    for (bool lane : lanes)
        text += lane ? '1' : '0';
    return text;
}

} // namespace

TTrack::TTrack(const std::string& listFileName, std::function<void()> redraw, TBlockTextures& textures)
    : textures_(&textures) {
    TTextFile list(listFileName, *Extractor);
    const std::string directory = Directory(listFileName);
    const std::string horizon = directory + "horizon.png";
    if (Extractor->FindMember(horizon) >= 0 || platform::FileExists(horizon)) horizon_ = textures.Load(horizon);
    while (!list.EndOfFile()) {
        if (redraw) redraw();
        const std::string line = list.ReadTrimmedLine();
        // A blank line (a trailing one, typically) names no block.
        if (line.empty()) continue;
        TBlockEntry& block = blocks_.emplace_back();
        block.map = std::make_unique<TMapController>(textures);
        block.map->Load(directory + line);
        // Characters 1 .. 6 are the entering lanes, 8 .. 13 the leaving ones.
        for (int lane = 0; lane < kLaneCount; ++lane) {
            block.enterLanes[lane] = lane < static_cast<int>(line.size()) && line[lane] == '1';
            const size_t exit = 7 + lane;
            block.exitLanes[lane] = exit < line.size() && line[exit] == '1';
        }
    }
    if (blocks_.empty()) throw EGameError("Empty track block list: " + listFileName);
    // The starting window names blocks 1 .. 3: a smaller library starts on block 0 throughout.
    for (int& slot : window_)
        if (slot >= BlockCount()) slot = 0;
}

void TTrack::LoadSequence(const std::string& fileName) {
    TIntegerFile file(fileName, *Extractor);
    std::vector<int> sequence;
    while (!file.EndOfFile())
        sequence.push_back(file.ReadInteger());
    if (sequence.empty()) sequence = kDefaultSequence;
    if (static_cast<int>(sequence.size()) < kMinSequenceLength)
        throw EGameError("Track sequence too short: " + fileName + " has " + std::to_string(sequence.size()) +
                         " blocks, at least " + std::to_string(kMinSequenceLength) + " are needed");
    for (size_t i = 0; i < sequence.size(); ++i)
        if (sequence[i] < 0 || sequence[i] >= BlockCount())
            throw EGameError("Track sequence entry out of range: " + fileName + " entry " +
                             std::to_string(i) + " is block " + std::to_string(sequence[i]) + " of " +
                             std::to_string(BlockCount()));
    sequence_ = std::move(sequence);
    randomMode_ = false;
    trackLength_ = static_cast<int>(sequence_.size()) * static_cast<int>(kBlockLength);
    window_ = {sequence_[0], sequence_[1], sequence_[0], sequence_[1], sequence_[2], sequence_[3],
               sequence_[4], sequence_[5], sequence_[6], sequence_[7], sequence_[8]};
}

void TTrack::Update(int dt, float forwardVelocity) {
    float d = dt / 1000.0f * forwardVelocity;
    d = std::isfinite(d) ? std::clamp(d, -kMaxStep, kMaxStep) : 0;
    scroll_ += d;
    DistanceTravelled += d;
    Progress = trackLength_ > 0 ? DistanceTravelled / trackLength_ : 0;
    while (scroll_ <= 0 && position_ >= 1)
        MoveBack();
    while (scroll_ > kBlockLength)
        MoveOn();
}

void TTrack::MoveBack() {
    --position_;
    scroll_ += kBlockLength;
    std::copy_backward(window_.begin(), window_.end() - 1, window_.end());
    // Only a sequence knows what lay behind; otherwise slot 0 keeps its block.
    const int behind = position_ - 2;
    if (!randomMode_ && behind >= 0) window_[0] = sequence_[behind];
}

void TTrack::MoveOn() {
    int next = 0;
    if (randomMode_) {
        next = trackLength_ - kBlockLength >= DistanceTravelled ? NextRandomBlock()
                                                                : std::min(1, BlockCount() - 1);
    } else {
        while (position_ + 1 + 8 >= static_cast<int>(sequence_.size()))
            sequence_.push_back(0);
        next = sequence_[position_ + 1 + 8];
    }
    ++position_;
    std::copy(window_.begin() + 1, window_.end(), window_.begin());
    window_[kWindowSlots - 1] = next;
    scroll_ -= kBlockLength;
    if (blockPassed_) blockPassed_();
}

int TTrack::NextRandomBlock() const {
    // Every block whose entering lanes match the leaving lanes of the block in slot 10 (slot 9
    // once the window has shifted); one of them at random, or an error when there is none.
    const TBlockEntry& last = blocks_[window_[kWindowSlots - 1]];
    std::vector<int> candidates;
    for (int i = 0; i < BlockCount(); ++i)
        if (blocks_[i].enterLanes == last.exitLanes) candidates.push_back(i);
    if (candidates.empty())
        throw EGameError("No track block can follow " + last.map->Name() + ": none enters by lanes " +
                         LaneText(last.exitLanes));
    return candidates[Random(static_cast<int>(candidates.size()))];
}

template <typename F> void TTrack::ForVisibleBlocks(F&& draw) const {
    // Farthest first.
    for (int slot = 3 + kVisibleBlocks - 1; slot >= 3; --slot)
        draw(*blocks_[window_[slot]].map, SlotOffset(slot));
}

void TTrack::ProbeContacts(TVehicleContact& vehicle) const {
    vehicle.wheelTypes.fill(0);
    ForVisibleBlocks([&](const TMapController& map, const TVector4& offset) { map.Probe(offset, vehicle); });
}

int TTrack::SurfaceAt(const TVector4& point) const {
    int type = 0;
    ForVisibleBlocks([&](const TMapController& map, const TVector4& offset) {
        type = map.CollisionType(Subtract(point, offset), type);
    });
    return type;
}

void TTrack::RenderGround() {
    // Nearest first, so that the depth test turns away the ground a nearer block hides before it
    // is textured; but the second before the first: moved by whole units towards zero, the two
    // overlap by up to a unit beside the car, where the farther one has always shown.
    for (int slot : {4, 3})
        blocks_[window_[slot]].map->RenderGround(SlotOffset(slot));
    for (int slot = 5; slot < 3 + kVisibleBlocks; ++slot)
        blocks_[window_[slot]].map->RenderGround(SlotOffset(slot));
}

void TTrack::RenderHorizon() const {
    if (horizon_ < 0) return;
    // As wide as a block map holds, from below the lowest ground (a bridge's water) to above the hills.
    constexpr float kEdge = 5000 * 1.25f / 64, kLow = -3, kHigh = 60;
    const float end = std::trunc(scroll_ - kBlockLength * (kVisibleBlocks - 1)) - kBlockLength;
    if (LightsControl) LightsControl->SwitchOff();
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    textures_->Bind(horizon_);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex3f(-kEdge, end, kLow);
    glTexCoord2f(1, 1);
    glVertex3f(kEdge, end, kLow);
    glTexCoord2f(1, 0);
    glVertex3f(kEdge, end, kHigh);
    glTexCoord2f(0, 0);
    glVertex3f(-kEdge, end, kHigh);
    glEnd();
    glDepthMask(GL_TRUE);
    if (LightsControl) LightsControl->SwitchOn();
}

void TTrack::Render(int pass) {
    switch (pass) {
    case 0:
        ForVisibleBlocks(
            [](TMapController& map, const TVector4& offset) { map.RenderObjects(false, offset, 0); });
        glColor4f(1, 1, 1, 1);
        break;
    case 1:
        glDepthMask(GL_FALSE);
        glDepthFunc(GL_ALWAYS);
        ForVisibleBlocks(
            [](TMapController& map, const TVector4& offset) { map.RenderObjects(false, offset, 1); });
        glDepthMask(GL_TRUE);
        glDepthFunc(GL_LESS);
        break;
    case 2:
        ForVisibleBlocks(
            [](TMapController& map, const TVector4& offset) { map.RenderObjects(false, offset, 2); });
        break;
    default: break;
    }
}

void TTrack::RenderShadows() {
    ForVisibleBlocks([](TMapController& map, const TVector4& offset) { map.RenderObjects(true, offset, 0); });
}

bool TTrack::ExitDefined(int slot, int lane) const {
    return SlotMap(slot).ExitPoint(lane).defined;
}

int TTrack::SpawnPointCount(int slot) const {
    return static_cast<int>(SlotMap(slot).SpawnPoints().size());
}

int TTrack::SpawnPointExit(int slot, int index) const {
    return SlotMap(slot).SpawnPoints()[index].exitId;
}

TVector4 TTrack::SpawnPointPosition(int slot, int index) const {
    return SlotMap(slot).SpawnPoints()[index].position;
}
