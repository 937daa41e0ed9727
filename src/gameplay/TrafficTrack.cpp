// The track's lanes for the traffic.
#include "gameplay/TrafficTrack.h"

#include "world/Track.h"

namespace {

bool InWindow(int slot) {
    return slot >= 0 && slot < TTrack::kWindowSlots;
}

bool LanePoint(const TPointSlot& slot, TVector4& point) {
    if (!slot.defined) return false;
    point = slot.position;
    return true;
}

} // namespace

float TTrackLanes::Scroll() const {
    return track_ ? track_->Scroll() : 0;
}

int TTrackLanes::BlockAt(int slot) const {
    return track_ && InWindow(slot) ? track_->Window(slot) : -1;
}

bool TTrackLanes::ExitPoint(int slot, int lane, TVector4& point) const {
    if (!track_ || !InWindow(slot) || lane < 1 || lane > kLaneCount) return false;
    return LanePoint(track_->Block(track_->Window(slot)).map->ExitPoint(lane), point);
}

bool TTrackLanes::EnterPoint(int slot, int lane, TVector4& point) const {
    if (!track_ || !InWindow(slot) || lane < 1 || lane > kLaneCount) return false;
    return LanePoint(track_->Block(track_->Window(slot)).map->EnterPoint(lane), point);
}

int TTrackLanes::SpawnPointCount(int slot) const {
    return track_ && InWindow(slot) ? track_->SpawnPointCount(slot) : 0;
}

int TTrackLanes::SpawnPointExit(int slot, int index) const {
    return track_->SpawnPointExit(slot, index);
}

TVector4 TTrackLanes::SpawnPointPosition(int slot, int index) const {
    return track_->SpawnPointPosition(slot, index);
}
