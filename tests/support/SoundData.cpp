// Writes test sounds with libsndfile and measures rendered output.
#include "support/SoundData.h"

#include <sndfile.h>

#include "platform/Audio.h"

#include <cmath>
#include <stdexcept>

#include "support/TestFiles.h"

namespace {

int FormatCode(TSoundFormat format) {
    switch (format) {
    case TSoundFormat::Wav8: return SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    case TSoundFormat::Wav16: return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case TSoundFormat::Ogg: return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    }
    return 0;
}

} // namespace

std::string SineFile(TSoundFormat format, int sampleRate, int channels, double frequency, double seconds,
                     double amplitude) {
    const int frames = static_cast<int>(sampleRate * seconds);
    std::vector<float> samples(static_cast<size_t>(frames) * channels);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(i) * channels + c] =
                static_cast<float>(amplitude * std::sin(2 * M_PI * frequency * i / sampleRate));

    TTempDir dir;
    const std::string path = dir.Path() + "sine";
    SF_INFO info = {};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = FormatCode(format);
    SNDFILE* sound = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!sound) throw std::runtime_error(std::string("cannot encode test sound: ") + sf_strerror(nullptr));
    sf_writef_float(sound, samples.data(), frames);
    sf_close(sound);
    return dir.Read("sine");
}

std::vector<float> StereoChannel(const std::vector<float>& stereo, int channel, int first, int last) {
    std::vector<float> out;
    for (int i = first; i < last && static_cast<size_t>(i) * 2 + 1 < stereo.size(); ++i)
        out.push_back(stereo[static_cast<size_t>(i) * 2 + channel]);
    return out;
}

double Rms(const std::vector<float>& signal) {
    double sum = 0;
    for (float s : signal)
        sum += double{s} * s;
    return signal.empty() ? 0 : std::sqrt(sum / signal.size());
}

std::pair<double, double> Levels(int frames) {
    platform::AudioRenderLoopback(2048);
    const std::vector<float> out = platform::AudioRenderLoopback(frames);
    return {Rms(StereoChannel(out, 0, 0, frames)), Rms(StereoChannel(out, 1, 0, frames))};
}

double ZeroCrossingFrequency(const std::vector<float>& signal, int sampleRate) {
    int crossings = 0;
    for (size_t i = 1; i < signal.size(); ++i)
        if ((signal[i - 1] < 0) != (signal[i] < 0)) ++crossings;
    return signal.empty() ? 0 : crossings / 2.0 * sampleRate / signal.size();
}
