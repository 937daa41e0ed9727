// Truncated and damaged WAV and Ogg data through the decoder (files on disk take the same path):
// no sound or a playable one, never a crash.
#include "fuzz/Damage.h"
#include "support/SoundLibFixture.h"

namespace {

using SoundFuzzTest = SoundLibFixture;

TEST_F(SoundFuzzTest, DamagedSoundsLoadOrFailCleanly) {
    const std::string goods[] = {SineFile(TSoundFormat::Wav8, RATE, 1, 441, 0.2, 0.5),
                                 SineFile(TSoundFormat::Wav16, RATE, 2, 441, 0.2, 0.5),
                                 SineFile(TSoundFormat::Ogg, RATE, 1, 441, 0.5, 0.5),
                                 SineFile(TSoundFormat::Ogg, RATE, 2, 441, 0.5, 0.5)};
    int loaded = 0;
    const auto load = [&](const std::string& bytes) {
        const int sample = platform::SampleLoadMemory(bytes.data(), bytes.size());
        if (sample > 0) ++loaded;
        const int channel = lib_.Play(sample, 255);
        lib_.Play3D(sample, TVector4{1, 2, 3, 0}, 255);
        platform::AudioRenderLoopback(256);
        lib_.SetVolume(channel, 100);
    };
    for (const std::string& good : goods)
        FuzzReader(good, 100, load);
    EXPECT_GT(loaded, 0);
}

} // namespace
