// The road: a library of track blocks and a window of eleven block slots that scrolls
// towards the car, filled from a fixed block sequence or at random by matching lanes.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "world/BlockTextures.h"
#include "world/CarGeneric.h"
#include "world/MapController.h"

struct TBlockEntry {
    std::unique_ptr<TMapController> map;
    std::array<bool, kLaneCount> enterLanes{};
    std::array<bool, kLaneCount> exitLanes{};
};

class TTrack : public TSpawnTrack {
public:
    static constexpr float kBlockLength = 40;
    static constexpr int kVisibleBlocks = 7;
    static constexpr int kWindowSlots = 11;
    // Sequences fill window slots 2 .. 10 from their first nine entries.
    static constexpr int kMinSequenceLength = 9;

    // Reads the block list ("main.trk") and loads every block it names; `redraw` (the loading
    // screen) is called before each block. An empty list raises "Empty track block list: ".
    explicit TTrack(const std::string& listFileName, std::function<void()> redraw = {},
                    TBlockTextures& textures = LibraryBlockTextures());

    // Switches to the block sequence of `fileName` (int32 block indices). Too few entries or
    // an index outside the block library raise an error and leave the track unchanged.
    void LoadSequence(const std::string& fileName);
    void SetTrackLength(int units) { trackLength_ = units; }
    void SetScroll(float scroll) { scroll_ = scroll; }
    void SetPosition(int position) { position_ = position; }
    // Called each time the window shifts forward by one block (the car generator).
    void SetBlockPassed(std::function<void()> blockPassed) { blockPassed_ = std::move(blockPassed); }

    // Scrolls by the car's forward velocity (units per second) and shifts the window.
    void Update(int dt, float forwardVelocity);
    // The surface under each wheel of `vehicle` and its object contacts, over the visible
    // blocks as they are drawn (farthest first); the frame runs it right before pass 0.
    void ProbeContacts(TVehicleContact& vehicle) const;
    // The surface (a TCollisionType) at world point `point` over the visible blocks, as a
    // wheel standing there would find it.
    int SurfaceAt(const TVector4& point) const;
    // The visible blocks' geometry, nearest first (the second before the first).
    void RenderGround();
    // The set's horizon ("horizon.png" beside "main.trk", when there is one) standing across the
    // valley's end beyond the farthest block, where the top of a wide view reaches. Drawn after
    // the ground, with the depth test and without depth writes: it fills only what no ground
    // covers, and the objects still blend over it.
    void RenderHorizon() const;
    // 0: layer-0 objects; 1: layer-1 objects over everything; 2: layer-2 objects.
    void Render(int pass);
    // Shadow volumes of the layer-0 objects, into the stencil pass set up by the caller.
    void RenderShadows();

    float Scroll() const override { return scroll_; }
    int Position() const { return position_; }
    int TrackLength() const { return trackLength_; }
    bool RandomMode() const { return randomMode_; }
    int Window(int slot) const { return window_[slot]; }
    const std::vector<int>& Sequence() const { return sequence_; }
    int BlockCount() const { return static_cast<int>(blocks_.size()); }
    const TBlockEntry& Block(int index) const { return blocks_[index]; }

    // What the car generator sees of the blocks in the window.
    bool ExitDefined(int slot, int lane) const override;
    int SpawnPointCount(int slot) const override;
    int SpawnPointExit(int slot, int index) const override;
    TVector4 SpawnPointPosition(int slot, int index) const override;

private:
    void MoveBack();
    void MoveOn();
    int NextRandomBlock() const;
    const TMapController& SlotMap(int slot) const { return *blocks_[window_[slot]].map; }
    TVector4 SlotOffset(int slot) const { return {0, scroll_ - kBlockLength * (slot - 3), 0, 0}; }
    template <typename F> void ForVisibleBlocks(F&& draw) const;

    TBlockTextures* textures_;
    int horizon_ = -1; // texture
    float scroll_ = 0;
    int position_ = 0;
    std::vector<TBlockEntry> blocks_;
    std::array<int, kWindowSlots> window_{0, 0, 0, 1, 2, 3, 1, 1, 1, 1, 0};
    int trackLength_ = 0;
    std::vector<int> sequence_;
    bool randomMode_ = true;
    std::function<void()> blockPassed_;
};

// Written by every track update; read by the HUD and the player.
extern float DistanceTravelled; // world units since the stage start
extern float Progress;          // DistanceTravelled / track length

// The stage's track, set by the mission loader; nullptr before the first stage.
extern TTrack* CurrentTrack;
