// Sample table and listener of the sound library, on top of the platform sound output.
#include "resources/SoundLib.h"

#include "core/Error.h"
#include "platform/Audio.h"
#include "platform/FileSystem.h"
#include "resources/Extractor.h"

#include <cmath>

TSoundLib* SoundLib = nullptr;

namespace {

// The sound output's distance unit is 1.25 world units.
constexpr float SOUND_UNIT = 1.25f;

int PlayScaled(int sample, int volume, uint32_t divisor) {
    const int channel = platform::PlaySound(sample, true);
    platform::SetVolume(channel, volume);
    if (divisor > 1) {
        const int frequency = platform::SampleDefaultFrequency(sample);
        platform::SetFrequency(channel,
                               static_cast<int>(std::lround(static_cast<double>(frequency) / divisor)));
    }
    platform::SetPaused(channel, false);
    return channel;
}

// Forward and up of the view the camera angles set up (pitch about x, then heading
// about z), so the listener hears left and right as the screen shows them.
void ViewDirections(const TVector4& angles, float forward[3], float top[3]) {
    const double degree = M_PI / 180.0;
    const double sinPitch = std::sin(angles.y * degree), cosPitch = std::cos(angles.y * degree);
    const double sinHeading = std::sin(angles.z * degree), cosHeading = std::cos(angles.z * degree);
    forward[0] = static_cast<float>(-sinPitch * sinHeading);
    forward[1] = static_cast<float>(-sinPitch * cosHeading);
    forward[2] = static_cast<float>(-cosPitch);
    top[0] = static_cast<float>(cosPitch * sinHeading);
    top[1] = static_cast<float>(cosPitch * cosHeading);
    top[2] = static_cast<float>(-sinPitch);
}

} // namespace

TSoundLib::TSoundLib(bool audioEnabled) {
    platform::AudioInit(audioEnabled);
}

void TSoundLib::SetListener(const TVector4& position, const TVector4& angles) {
    listenerPosition_ = &position;
    listenerAngles_ = &angles;
}

int TSoundLib::LoadSample(const std::string& fileName, bool looping) {
    for (const TSoundEntry& entry : entries_)
        if (entry.fileName == fileName) return entry.sample;
    entries_.push_back({fileName, 0, false});

    int sample = 0;
    const int index = Extractor->FindFile(fileName);
    if (index >= 0 && !platform::FileExists(fileName)) {
        const TBytes data = Extractor->ReadMember(index);
        sample = platform::SampleLoadMemory(data.data(), data.size());
    } else {
        sample = platform::SampleLoadFile(fileName);
        if (sample == 0) throw EGameError("File not loaded: " + fileName);
    }
    if (looping) platform::SampleSetLoop(sample, true);

    TSoundEntry& entry = entries_.back();
    entry.sample = sample;
    entry.loaded = true;
    return sample;
}

int TSoundLib::Play(int sample, int volume) {
    if (volume <= 0) return -1;
    return PlayScaled(sample, volume, timeDivisor_);
}

int TSoundLib::PlayMusic(int sample, int volume) {
    if (volume <= 0) return -1;
    return PlayScaled(sample, volume, 1);
}

int TSoundLib::Play3D(int sample, const TVector4& position, int volume) {
    const int channel = platform::PlaySound(sample, true);
    platform::Set3DPosition(channel, position.x / SOUND_UNIT, position.y / SOUND_UNIT,
                            position.z / SOUND_UNIT);
    platform::AudioUpdate();
    platform::SetVolume(channel, volume);
    platform::SetPaused(channel, false);
    return channel;
}

void TSoundLib::SetVolume(int channel, int volume) {
    platform::SetVolume(channel, volume);
}

bool TSoundLib::IsPlaying(int channel) const {
    return platform::IsPlaying(channel);
}

void TSoundLib::Stop(int& channel) {
    if (channel == -1) return;
    platform::StopSound(channel);
    channel = -1;
}

void TSoundLib::UpdateListener() {
    if (!listenerPosition_ || !listenerAngles_) return;
    const float position[3] = {listenerPosition_->x / SOUND_UNIT, listenerPosition_->y / SOUND_UNIT,
                               listenerPosition_->z / SOUND_UNIT};
    float forward[3], top[3];
    ViewDirections(*listenerAngles_, forward, top);
    platform::SetListener(position, forward, top);
    platform::AudioUpdate();
}
