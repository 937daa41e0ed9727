// Writers for the game's sound files through libsndfile: WAV 16-bit PCM and Ogg Vorbis.
#include "AudioFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sndfile.h>
#include <stdexcept>

namespace {

SNDFILE* OpenForWriting(const std::string& path, int format, int channels, int rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    return file;
}

uint32_t OggCrc(const uint8_t* data, size_t size) {
    static uint32_t table[256];
    if (!table[1])
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            table[i] = r;
        }
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i)
        crc = (crc << 8) ^ table[((crc >> 24) ^ data[i]) & 255];
    return crc;
}

// libsndfile gives each Ogg stream a random serial number; a fixed one keeps the file identical
// from run to run. Every page carries the serial and a checksum over the page.
void FixOggSerial(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    size_t pos = 0;
    while (pos + 27 <= bytes.size() && std::equal(bytes.begin() + pos, bytes.begin() + pos + 4, "OggS")) {
        const size_t segments = bytes[pos + 26];
        if (pos + 27 + segments > bytes.size()) break;
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i)
            body += bytes[pos + 27 + i];
        const size_t size = 27 + segments + body;
        if (pos + size > bytes.size()) break;
        const uint8_t serial[4] = {0x4B, 0x45, 0x53, 0x54};
        std::copy(serial, serial + 4, bytes.begin() + pos + 14);
        std::fill(bytes.begin() + pos + 22, bytes.begin() + pos + 26, 0);
        const uint32_t crc = OggCrc(&bytes[pos], size);
        for (int i = 0; i < 4; ++i)
            bytes[pos + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
        pos += size;
    }
    if (pos != bytes.size()) throw std::runtime_error("unexpected Ogg page layout in " + path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

void WriteWav(const std::string& path, const std::vector<float>& mono, int rate) {
    std::vector<short> pcm(mono.size());
    std::transform(mono.begin(), mono.end(), pcm.begin(), [](float v) {
        return static_cast<short>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
    });
    SNDFILE* file = OpenForWriting(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, rate);
    const sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    sf_close(file);
    if (written != static_cast<sf_count_t>(pcm.size())) throw std::runtime_error("short write to " + path);
}

void WriteOgg(const std::string& path, const std::vector<float>& stereo, int rate, double quality) {
    std::vector<float> clipped(stereo.size());
    std::transform(stereo.begin(), stereo.end(), clipped.begin(),
                   [](float v) { return std::clamp(v, -1.0f, 1.0f); });
    SNDFILE* file = OpenForWriting(path, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2, rate);
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof(quality));
    const sf_count_t frames = static_cast<sf_count_t>(clipped.size() / 2);
    // Written in blocks: one write of a whole track crashed inside libvorbis.
    constexpr sf_count_t kBlock = 4096;
    sf_count_t written = 0;
    for (sf_count_t at = 0; at < frames; at += kBlock)
        written += sf_writef_float(file, clipped.data() + 2 * at, std::min(kBlock, frames - at));
    sf_close(file);
    if (written != frames) throw std::runtime_error("short write to " + path);
    FixOggSerial(path);
}
