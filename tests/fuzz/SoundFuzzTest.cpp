// Truncated and damaged WAV and Ogg data, from memory and from disk: an error or a sound, never a
// crash.
#include "core/Error.h"
#include "fuzz/Damage.h"
#include "support/SoundLibFixture.h"

#include <random>

namespace {

using SoundFuzzTest = SoundLibFixture;

TEST_F(SoundFuzzTest, DamagedSoundsLoadOrFailCleanly) {
    const std::string goods[] = {SineFile(TSoundFormat::Wav8, RATE, 1, 441, 0.2, 0.5),
                                 SineFile(TSoundFormat::Wav16, RATE, 2, 441, 0.2, 0.5),
                                 SineFile(TSoundFormat::Ogg, RATE, 1, 441, 0.5, 0.5),
                                 SineFile(TSoundFormat::Ogg, RATE, 2, 441, 0.5, 0.5)};
    int loaded = 0, refused = 0, round = 0;
    const auto load = [&](const std::string& bytes) {
        ++round;

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
    };
    for (const std::string& good : goods)
        FuzzReader(good, 100, load);
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
