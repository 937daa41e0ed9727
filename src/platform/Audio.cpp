// OpenAL Soft output and libsndfile decoding behind the channel-and-sample layer.
#include "platform/Audio.h"

#include "platform/FileSystem.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <future>
#include <utility>

namespace platform {
namespace {

struct TSample {
    ALuint buffer = 0; // 0 while silent (only the format is known) or still decoding
    int frequency = 0;
    int channels = 0;
    bool loop = false;
    std::string encoded;                      // a long tune until its first play
    std::future<std::vector<short>> decoding; // then its samples, on a worker thread
};

struct TChannel {
    ALuint source = 0;
    int sample = 0;
    int generation = 0; // bumped at every play, so stale handles miss
    uint64_t started = 0;
    bool held = false;    // started paused and never run: OpenAL has it as initial, not paused
    bool waiting = false; // its sample is still decoding: it starts, unless held, once it lands
};

struct TAudio {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool loopback = false;
    std::vector<TSample> samples;
    std::vector<TChannel> channels;
    uint64_t playCount = 0;
    int decoding = 0; // samples whose decoding has not landed yet
};

TAudio Audio;
// The output being opened on a worker thread (AudioInitAhead), and whether it was asked for.
std::future<bool> OpeningAhead;
bool OpeningEnabled = false;
// Set while the output shuts down: a tune still decoding is dropped, not waited for.
std::atomic<bool> AbandonDecoding{false};

bool Live() {
    return Audio.context != nullptr;
}

// A channel handle carries the channel's generation above the channel index.
int MakeHandle(int index, int generation) {
    return generation * AUDIO_CHANNELS + index;
}

TChannel* ChannelOf(int handle) {
    if (!Live() || handle < 0) return nullptr;
    const int index = handle % AUDIO_CHANNELS;
    if (index >= static_cast<int>(Audio.channels.size())) return nullptr;
    TChannel& channel = Audio.channels[index];
    return channel.generation == handle / AUDIO_CHANNELS ? &channel : nullptr;
}

TSample* SampleOf(int handle) {
    if (handle <= 0 || handle > static_cast<int>(Audio.samples.size())) return nullptr;
    return &Audio.samples[handle - 1];
}

ALint SourceState(ALuint source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

bool Busy(const TChannel& channel) {
    if (channel.held || channel.waiting) return true;
    const ALint state = SourceState(channel.source);
    return state == AL_PLAYING || state == AL_PAUSED;
}

// A free channel, else the one-shot that has played longest; -1 when all loop.
int TakeChannel() {
    int oldest = -1;
    for (int i = 0; i < static_cast<int>(Audio.channels.size()); ++i) {
        const TChannel& channel = Audio.channels[i];
        if (!Busy(channel)) return i;
        ALint looping = AL_FALSE;
        alGetSourcei(channel.source, AL_LOOPING, &looping);
        if (!looping && (oldest < 0 || channel.started < Audio.channels[oldest].started)) oldest = i;
    }
    return oldest;
}

// libsndfile reads the sample straight from the caller's bytes.
struct TMemoryFile {
    const unsigned char* data;
    sf_count_t size;
    sf_count_t position;
};

sf_count_t MemoryLength(void* user) {
    return static_cast<TMemoryFile*>(user)->size;
}

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user) {
    TMemoryFile& file = *static_cast<TMemoryFile*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR) base = file.position;
    if (whence == SEEK_END) base = file.size;
    const sf_count_t target = base + offset;
    if (target < 0 || target > file.size) return -1;
    file.position = target;
    return file.position;
}

sf_count_t MemoryRead(void* destination, sf_count_t count, void* user) {
    TMemoryFile& file = *static_cast<TMemoryFile*>(user);
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, file.size - file.position));
    if (n > 0) std::memcpy(destination, file.data + file.position, static_cast<size_t>(n));
    file.position += n;
    return n;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t MemoryTell(void* user) {
    return static_cast<TMemoryFile*>(user)->position;
}

// Longer samples are refused: a damaged header must not ask for gigabytes.
constexpr sf_count_t MAX_FRAMES = sf_count_t{1} << 26;
constexpr sf_count_t READ_FRAMES = 4096;

// Reads until the data ends, without trusting the frame count of a damaged header;
// empty when there is nothing or too much.
std::vector<short> ReadAll(SNDFILE* sound, int channels) {
    std::vector<short> pcm;
    sf_count_t frames = 0;
    while (!AbandonDecoding) {
        pcm.resize(static_cast<size_t>(frames + READ_FRAMES) * channels);
        const sf_count_t read = sf_readf_short(sound, pcm.data() + frames * channels, READ_FRAMES);
        if (read <= 0) break;
        frames += read;
        if (frames > MAX_FRAMES) return {};
    }
    pcm.resize(static_cast<size_t>(frames) * channels);
    return pcm;
}

bool Upload(const std::vector<short>& pcm, int channels, int rate, TSample& sample) {
    alGetError();
    alGenBuffers(1, &sample.buffer);
    const ALenum format = channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    alBufferData(sample.buffer, format, pcm.data(), static_cast<ALsizei>(pcm.size() * sizeof(short)), rate);
    if (alGetError() == AL_NO_ERROR) return true;
    alDeleteBuffers(1, &sample.buffer);
    sample.buffer = 0;
    return false;
}

// A tune of a minute or so takes a tenth of a second and more to decode, which would hold up
// the frame that loads it: a tune is decoded on a worker thread, from its first play on (the
// menu's is not wanted in a stage started from the command line). Short sounds stay in step
// with their loading, as they may be played at once.
constexpr int DECODE_AHEAD_SECONDS = 2;

SNDFILE* OpenMemory(TMemoryFile& file, SF_INFO& info) {
    SF_VIRTUAL_IO io = {MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
    return sf_open_virtual(&io, SFM_READ, &info, &file);
}

std::vector<short> DecodeBytes(const std::string& bytes) {
    TMemoryFile file = {reinterpret_cast<const unsigned char*>(bytes.data()),
                        static_cast<sf_count_t>(bytes.size()), 0};
    SF_INFO info = {};
    SNDFILE* sound = OpenMemory(file, info);
    if (!sound) return {};
    std::vector<short> pcm = ReadAll(sound, info.channels);
    sf_close(sound);
    return pcm;
}

// Decodes into an OpenAL buffer, a long tune on a worker thread; while silent only the header
// is checked.
bool Decode(const void* data, size_t size, TSample& sample) {
    TMemoryFile file = {static_cast<const unsigned char*>(data), static_cast<sf_count_t>(size), 0};
    SF_INFO info = {};
    SNDFILE* sound = OpenMemory(file, info);
    if (!sound) return false;
    bool ok = info.frames > 0 && info.samplerate > 0 && (info.channels == 1 || info.channels == 2);
    sample.frequency = info.samplerate;
    sample.channels = info.channels;
    const bool longTune = (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_VORBIS &&
                          info.frames > sf_count_t{DECODE_AHEAD_SECONDS} * info.samplerate;
    if (ok && Live() && longTune) {
        sample.encoded.assign(static_cast<const char*>(data), size);
    } else if (ok && Live()) {
        const std::vector<short> pcm = ReadAll(sound, info.channels);
        ok = !pcm.empty() && Upload(pcm, info.channels, info.samplerate, sample);
    }
    sf_close(sound);
    return ok;
}

// Uploads the tunes whose decoding has landed and starts the plays that waited for them; a
// tune that decoded to nothing ends its plays.
void CollectDecoded() {
    if (Audio.decoding == 0) return;
    for (size_t i = 0; i < Audio.samples.size(); ++i) {
        TSample& sample = Audio.samples[i];
        if (!sample.decoding.valid() ||
            sample.decoding.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            continue;
        --Audio.decoding;
        const std::vector<short> pcm = sample.decoding.get();
        const bool ok = !pcm.empty() && Upload(pcm, sample.channels, sample.frequency, sample);
        for (TChannel& channel : Audio.channels) {
            if (!channel.waiting || channel.sample != static_cast<int>(i) + 1) continue;
            channel.waiting = false;
            if (!ok) {
                channel.held = false;
                continue;
            }
            alSourcei(channel.source, AL_BUFFER, static_cast<ALint>(sample.buffer));
            if (!channel.held) alSourcePlay(channel.source);
        }
    }
}

void WaitForDecoding() {
    for (TSample& sample : Audio.samples)
        if (sample.decoding.valid()) sample.decoding.wait();
}

bool DisabledByEnvironment() {
    const char* value = std::getenv("KESTROVA_AUDIO");
    return value && std::strcmp(value, "none") == 0;
}

// Makes the context current and creates the channels; anything short of that stays silent.
bool StartContext(ALCdevice* device, const ALCint* attributes, bool loopback) {
    if (!device) return false;
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context) alcDestroyContext(context);
        alcCloseDevice(device);
        return false;
    }
    Audio.device = device;
    Audio.context = context;
    Audio.loopback = loopback;
    for (int i = 0; i < AUDIO_CHANNELS; ++i) {
        TChannel channel;
        alGetError();
        alGenSources(1, &channel.source);
        if (alGetError() != AL_NO_ERROR) break;
        Audio.channels.push_back(channel);
    }
    if (Audio.channels.empty()) {
        AudioShutdown();
        return false;
    }
    return true;
}

bool Open(bool enabled) {
    if (!enabled || DisabledByEnvironment()) return false;
    return StartContext(alcOpenDevice(nullptr), nullptr, false);
}

} // namespace

void AudioInitAhead(bool enabled) {
    AudioShutdown();
    OpeningEnabled = enabled;
    OpeningAhead = std::async(std::launch::async, Open, enabled);
}

bool AudioInit(bool enabled) {
    if (OpeningAhead.valid() && OpeningEnabled == enabled) return OpeningAhead.get();
    AudioShutdown();
    return Open(enabled);
}

bool AudioInitLoopback(int sampleRate) {
    AudioShutdown();
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return false;
    auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    if (!openLoopback) return false;
    const ALCint attributes[] = {ALC_FREQUENCY,
                                 sampleRate,
                                 ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_FLOAT_SOFT,
                                 ALC_HRTF_SOFT,
                                 ALC_FALSE,
                                 0};
    return StartContext(openLoopback(nullptr), attributes, true);
}

std::vector<float> AudioRenderLoopback(int frames) {
    std::vector<float> out(static_cast<size_t>(std::max(frames, 0)) * 2, 0.0f);
    if (!Live() || !Audio.loopback || frames <= 0) return out;
    auto render =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(Audio.device, "alcRenderSamplesSOFT"));
    if (render) render(Audio.device, out.data(), frames);
    return out;
}

void AudioShutdown() {
    if (OpeningAhead.valid()) OpeningAhead.get();
    AbandonDecoding = true;
    WaitForDecoding();
    AbandonDecoding = false;
    if (Live()) {
        for (TChannel& channel : Audio.channels) {
            alSourceStop(channel.source);
            alDeleteSources(1, &channel.source);
        }
        for (TSample& sample : Audio.samples)
            if (sample.buffer) alDeleteBuffers(1, &sample.buffer);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(Audio.context);
        alcCloseDevice(Audio.device);
    }
    Audio = TAudio();
}

bool AudioActive() {
    return Live();
}

int SampleLoadMemory(const void* data, size_t size) {
    TSample sample;
    if (!data || !Decode(data, size, sample)) return 0;
    Audio.samples.push_back(std::move(sample));
    return static_cast<int>(Audio.samples.size());
}

int SampleLoadFile(const std::string& path) {
    const std::string resolved = ResolveFile(path);
    std::string bytes;
    if (resolved.empty() || !ReadWholeFile(resolved, bytes)) return 0;
    return SampleLoadMemory(bytes.data(), bytes.size());
}

void SampleSetLoop(int sample, bool loop) {
    if (sample > 0 && sample <= static_cast<int>(Audio.samples.size())) Audio.samples[sample - 1].loop = loop;
}

int SampleDefaultFrequency(int sample) {
    const TSample* found = SampleOf(sample);
    return found ? found->frequency : 0;
}

int PlaySound(int sample, bool paused) {
    CollectDecoded();
    TSample* found = SampleOf(sample);
    if (found && !found->encoded.empty()) {
        found->decoding = std::async(std::launch::async, DecodeBytes, std::move(found->encoded));
        found->encoded.clear();
        ++Audio.decoding;
    }
    const bool decoding = found && found->decoding.valid();
    if (!Live() || !found || !(found->buffer || decoding)) return -1;
    const int index = TakeChannel();
    if (index < 0) return -1;
    TChannel& channel = Audio.channels[index];
    const ALuint source = channel.source;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(found->buffer));
    alSourcei(source, AL_LOOPING, found->loop ? AL_TRUE : AL_FALSE);
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0, 0, 0);
    alSource3f(source, AL_VELOCITY, 0, 0, 0);
    alSourcef(source, AL_GAIN, 1.0f);
    alSourcef(source, AL_PITCH, 1.0f);
    channel.held = paused;
    channel.waiting = decoding;
    if (!paused && !decoding) alSourcePlay(source);
    channel.sample = sample;
    channel.generation = channel.generation + 1 < INT32_MAX / AUDIO_CHANNELS ? channel.generation + 1 : 0;
    channel.started = ++Audio.playCount;
    return MakeHandle(index, channel.generation);
}

void Set3DPosition(int channel, float x, float y, float z) {
    TChannel* found = ChannelOf(channel);
    if (!found) return;
    alSourcei(found->source, AL_SOURCE_RELATIVE, AL_FALSE);
    alSource3f(found->source, AL_POSITION, x, y, z);
    alSource3f(found->source, AL_VELOCITY, 0, 0, 0);
}

void SetListener(const float position[3], const float forward[3], const float top[3]) {
    if (!Live()) return;
    const ALfloat orientation[6] = {forward[0], forward[1], forward[2], top[0], top[1], top[2]};
    alListener3f(AL_POSITION, position[0], position[1], position[2]);
    alListener3f(AL_VELOCITY, 0, 0, 0);
    alListenerfv(AL_ORIENTATION, orientation);
}

void SetVolume(int channel, int volume) {
    TChannel* found = ChannelOf(channel);
    if (found) alSourcef(found->source, AL_GAIN, std::clamp(volume, 0, 255) / 255.0f);
}

void SetFrequency(int channel, int frequency) {
    TChannel* found = ChannelOf(channel);
    if (!found) return;
    const int own = SampleDefaultFrequency(found->sample);
    if (own > 0 && frequency > 0) alSourcef(found->source, AL_PITCH, static_cast<float>(frequency) / own);
}

void SetPaused(int channel, bool paused) {
    TChannel* found = ChannelOf(channel);
    if (!found || !Busy(*found)) return;
    if (found->waiting) {
        found->held = paused;
        return;
    }
    if (found->held && paused) return;
    found->held = false;
    if (paused)
        alSourcePause(found->source);
    else
        alSourcePlay(found->source);
}

void StopSound(int channel) {
    TChannel* found = ChannelOf(channel);
    if (!found) return;
    found->held = false;
    found->waiting = false;
    alSourceStop(found->source);
}

bool IsPlaying(int channel) {
    CollectDecoded();
    const TChannel* found = ChannelOf(channel);
    return found && Busy(*found);
}

void AudioUpdate() {
    CollectDecoded();
    if (Live()) alcProcessContext(Audio.context);
}

void AudioFinishLoading() {
    WaitForDecoding();
    CollectDecoded();
}

} // namespace platform
