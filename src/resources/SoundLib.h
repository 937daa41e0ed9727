// The game's only way to make sound: loads each sample once by name from the archive or
// a loose file, plays it in 2D or 3D, and keeps the 3D listener on the camera.
#pragma once

#include "resources/Vector.h"

#include <cstdint>
#include <string>
#include <vector>

class TSoundLib {
public:
    // Starts the sound output; with `audioEnabled` false, or no device, every call is silent.
    explicit TSoundLib(bool audioEnabled);

    // The camera position and angles (degrees: y pitch, z heading) the listener follows.
    void SetListener(const TVector4& position, const TVector4& angles);

    // Handle of the sample named `fileName`, loaded on first use. A loose file that cannot
    // be decoded raises "File not loaded: " + fileName.
    int LoadSample(const std::string& fileName, bool looping);
    // The frame loop's slow-motion divisor (1 normal .. 4), which 2D plays follow.
    void SetTimeDivisor(uint32_t divisor) { timeDivisor_ = divisor; }
    // A 2D play at `volume` (0..255) that follows the slow motion; -1 when volume <= 0.
    int Play(int sample, int volume);
    // A 2D play at the sample's own pitch whatever the game speed.
    int PlayMusic(int sample, int volume);
    int Play3D(int sample, const TVector4& position, int volume);
    void SetVolume(int channel, int volume);
    bool IsPlaying(int channel) const;
    // Stops the channel and sets the caller's variable to -1.
    void Stop(int& channel);
    // Once per game frame: moves the listener to the camera.
    void UpdateListener();

private:
    struct TSoundEntry {
        std::string fileName;
        int sample = 0;
        bool loaded = false;
    };

    std::vector<TSoundEntry> entries_;
    const TVector4* listenerPosition_ = nullptr;
    const TVector4* listenerAngles_ = nullptr;
    uint32_t timeDivisor_ = 1;
};

extern TSoundLib* SoundLib;
