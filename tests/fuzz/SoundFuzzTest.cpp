// Damaged WAV and Ogg data, from memory and from disk: an error or a sound, never a crash.
#include "core/Error.h"
#include "support/SoundLibFixture.h"

#include <random>

namespace {

using SoundFuzzTest = SoundLibFixture;

std::string Damaged(const std::string& good, std::mt19937& random) {
    std::string bytes = good;
    const int kind = random() % 3;
    if (kind != 1) { // flip a few bytes, mostly near the headers
        const int flips = 1 + random() % 8;
        for (int i = 0; i < flips; ++i) {
            const size_t span = random() % 2 ? std::min<size_t>(bytes.size(), 200) : bytes.size();
            bytes[random() % span] = static_cast<char>(random());
        }
    }
    if (kind != 0) bytes.resize(random() % (bytes.size() + 1));
    return bytes;
}

TEST_F(SoundFuzzTest, DamagedSoundsLoadOrFailCleanly) {
    const std::string goods[] = {SineFile(TSoundFormat::Wav8, RATE, 1, 441, 0.2, 0.5),
                                 SineFile(TSoundFormat::Wav16, RATE, 2, 441, 0.2, 0.5),
                                 SineFile(TSoundFormat::Ogg, RATE, 1, 441, 0.5, 0.5),
                                 SineFile(TSoundFormat::Ogg, RATE, 2, 441, 0.5, 0.5)};
    std::mt19937 random(20240611);
    int loaded = 0, refused = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string bytes = Damaged(goods[round % 4], random);

        const int sample = platform::SampleLoadMemory(bytes.data(), bytes.size());
        const int channel = lib_.Play(sample, 255);
        lib_.Play3D(sample, TVector4{1, 2, 3, 0}, 255);
        platform::AudioRenderLoopback(256);
        lib_.SetVolume(channel, 100);

        // From disk the same bytes give a sample or "File not loaded: ".
        const std::string name = ProgramDir + "Data\\Sounds\\Fuzz" + std::to_string(round) + ".wav";
        program_.Write("Data/Sounds/Fuzz" + std::to_string(round) + ".wav", bytes);
        try {
            EXPECT_GT(lib_.LoadSample(name, round % 2 == 0), 0);
            ++loaded;
        } catch (const EGameError& error) {
            EXPECT_EQ(std::string(error.what()), "File not loaded: " + name);
            ++refused;
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

TEST_F(SoundFuzzTest, EveryTruncationOfTheHeadersIsSafe) {
    for (const std::string& good : {SineFile(TSoundFormat::Wav16, RATE, 1, 441, 0.1, 0.5),
                                    SineFile(TSoundFormat::Ogg, RATE, 1, 441, 0.1, 0.5)}) {
        for (size_t length = 0; length < std::min<size_t>(good.size(), 4096); ++length) {
            const int sample = platform::SampleLoadMemory(good.data(), length);
            if (length < 44) {
                EXPECT_EQ(sample, 0) << "no header, no sound";
            }
            lib_.Play(sample, 255);
        }
    }
}

} // namespace
