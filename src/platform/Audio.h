// The sound output: a small channel-and-sample layer on OpenAL Soft with libsndfile
// decoding WAV and Ogg Vorbis. Without an audio device every call is silent and cheap.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

constexpr int AUDIO_CHANNELS = 32;

// Opens the default output device with AUDIO_CHANNELS channels. Stays silent when
// `enabled` is false, when KESTROVA_AUDIO=none is set, or when no device can be opened;
// returns whether sound is really played.
bool AudioInit(bool enabled);
// Starts AudioInit(enabled) on a worker thread, so that opening the device overlaps the
// window's creation; the next AudioInit with the same `enabled` waits for it and returns its
// answer. Nothing else may use the sound output before that.
void AudioInitAhead(bool enabled);
// For tests: OpenAL Soft's loopback device rendering stereo float at `sampleRate` with
// plain panning; false (and silent) when the loopback extension is missing.
bool AudioInitLoopback(int sampleRate);
// Renders `frames` stereo frames (left, right interleaved) from the loopback device.
std::vector<float> AudioRenderLoopback(int frames);
// Stops everything, forgets every sample and closes the device.
void AudioShutdown();
bool AudioActive();

// Sample handles are above 0; 0 means the data could not be decoded. Mono or stereo,
// PCM WAV (8/16-bit and other libsndfile PCM forms) and Ogg Vorbis. A Vorbis tune longer than
// two seconds is decoded on a worker thread from its first play on: its plays count as playing
// from the start and sound once it has landed (the calls below collect it), so neither its
// loading nor its first play holds up a frame.
int SampleLoadMemory(const void* data, size_t size);
int SampleLoadFile(const std::string& path);
void SampleSetLoop(int sample, bool loop);
// The sample's own rate in Hz, 0 for an unknown handle.
int SampleDefaultFrequency(int sample);

// Channel handles are 0 or above and name one playing of a sample; once the channel is
// taken by another sound the old handle is ignored. -1 means nothing was played.
// A finished channel is reused; when all are busy the oldest one-shot is cut off.
// Plays in 2D at full volume and the sample's own frequency, or holds it paused.
int PlaySound(int sample, bool paused);
// Moves the channel into 3D space at (x, y, z) with no velocity.
void Set3DPosition(int channel, float x, float y, float z);
// Listener position and orientation: `forward` is where it looks, `top` its up direction.
void SetListener(const float position[3], const float forward[3], const float top[3]);
// 0..255, 255 being the sample as recorded.
void SetVolume(int channel, int volume);
// Playback rate in Hz; the sample's default frequency plays it unchanged.
void SetFrequency(int channel, int frequency);
void SetPaused(int channel, bool paused);
void StopSound(int channel);
// True from play until the sample ends or is stopped (a paused channel counts as playing).
bool IsPlaying(int channel);
// Commits the 3D changes of this frame.
void AudioUpdate();
// For tests: waits until every tune being decoded has landed.
void AudioFinishLoading();

} // namespace platform
