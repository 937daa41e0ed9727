// Writes test sounds with libsndfile into memory and measures rendered output.
#include "support/SoundData.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

struct TGrowingFile {
    std::string bytes;
    sf_count_t position = 0;
};

sf_count_t Length(void* user) {
    return static_cast<sf_count_t>(static_cast<TGrowingFile*>(user)->bytes.size());
}

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    TGrowingFile& file = *static_cast<TGrowingFile*>(user);
    const sf_count_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? Length(user) : 0;
    if (base + offset < 0) return -1;
    file.position = base + offset;
    return file.position;
}

sf_count_t Read(void* destination, sf_count_t count, void* user) {
    TGrowingFile& file = *static_cast<TGrowingFile*>(user);
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, Length(user) - file.position));
    if (n > 0) std::memcpy(destination, file.bytes.data() + file.position, static_cast<size_t>(n));
    file.position += n;
    return n;
}

sf_count_t Write(const void* source, sf_count_t count, void* user) {
    TGrowingFile& file = *static_cast<TGrowingFile*>(user);
    const size_t end = static_cast<size_t>(file.position + count);
    if (file.bytes.size() < end) file.bytes.resize(end);
    std::memcpy(file.bytes.data() + file.position, source, static_cast<size_t>(count));
    file.position += count;
    return count;
}

sf_count_t Tell(void* user) {
    return static_cast<TGrowingFile*>(user)->position;
}

int FormatCode(TSoundFormat format) {
    switch (format) {
    case TSoundFormat::Wav8:
        return SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    case TSoundFormat::Wav16:
        return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case TSoundFormat::Ogg:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
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

    SF_VIRTUAL_IO io = {Length, Seek, Read, Write, Tell};
    TGrowingFile file;
    SF_INFO info = {};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = FormatCode(format);
    SNDFILE* sound = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (!sound) throw std::runtime_error(std::string("cannot encode test sound: ") + sf_strerror(nullptr));
    sf_writef_float(sound, samples.data(), frames);
    sf_close(sound);
    return file.bytes;
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

double ZeroCrossingFrequency(const std::vector<float>& signal, int sampleRate) {
    int crossings = 0;
    for (size_t i = 1; i < signal.size(); ++i)
        if ((signal[i - 1] < 0) != (signal[i] < 0)) ++crossings;
    return signal.empty() ? 0 : crossings / 2.0 * sampleRate / signal.size();
}
