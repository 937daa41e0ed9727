// What the traffic reads of the track: the blocks in the window slots with their lane points,
// and how far the road has scrolled into the current block. Points are in block space.
#pragma once

#include "resources/Vector.h"

class TTrack;

class TTrafficTrack {
public:
    virtual ~TTrafficTrack() = default;
    virtual float Scroll() const = 0;
    // The block index in window slot `slot` (0 .. 10); -1 outside the window.
    virtual int BlockAt(int slot) const = 0;
    // Lane 1 .. 6 of the block in `slot`; false when the block does not define it.
    virtual bool ExitPoint(int slot, int lane, TVector4& point) const = 0;
    virtual bool EnterPoint(int slot, int lane, TVector4& point) const = 0;
    virtual int SpawnPointCount(int slot) const = 0;
    virtual int SpawnPointExit(int slot, int index) const = 0;
    virtual TVector4 SpawnPointPosition(int slot, int index) const = 0;
};

// The game's track seen through that interface.
class TTrackLanes : public TTrafficTrack {
public:
    void SetTrack(const TTrack* track) { track_ = track; }
    float Scroll() const override;
    int BlockAt(int slot) const override;
    bool ExitPoint(int slot, int lane, TVector4& point) const override;
    bool EnterPoint(int slot, int lane, TVector4& point) const override;
    int SpawnPointCount(int slot) const override;
    int SpawnPointExit(int slot, int index) const override;
    TVector4 SpawnPointPosition(int slot, int index) const override;

private:
    const TTrack* track_ = nullptr; // the stage's track, replaced at each stage load
};
