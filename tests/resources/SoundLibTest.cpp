// The sound library: loading once by name through the archive rule, errors, volume and pitch
// (the side a sound is heard on: TrafficTest.ACarsShotSoundsFromTheRoadsOrigin).
#include "support/ErrorOf.h"
#include "support/SoundLibFixture.h"

namespace {

const std::string SHOT = "Data\\Sounds\\Shot.wav";

std::string Tone(int rate = SoundLibFixture::RATE, TSoundFormat format = TSoundFormat::Wav16) {
    return SineFile(format, rate, 1, 441, 2.0, 0.5);
}

using SoundLibTest = SoundLibFixture;

TEST_F(SoundLibTest, LoadsEachNameOnceLooseFileFirst) {
    OpenArchive({{SHOT, Tone(22050)}, {"Data\\Music\\Menu.ogg", Tone(22050, TSoundFormat::Ogg)}});
    program_.Write("Data/Sounds/Shot.wav", Tone(11025));

    const int shot = lib_.LoadSample(ProgramDir + SHOT, false);
    EXPECT_EQ(platform::SampleDefaultFrequency(shot), 11025) << "the loose file wins over the member";
    const int music = lib_.LoadSample(ProgramDir + "Data\\Music\\Menu.ogg", true);
    EXPECT_GT(music, 0);
    EXPECT_NE(music, shot);

    program_.Write("Data/Sounds/Shot.wav", "no longer a sound");
    EXPECT_EQ(lib_.LoadSample(ProgramDir + SHOT, false), shot) << "a second load reads nothing";
}

TEST_F(SoundLibTest, BrokenFilesOnDiskRaiseMembersPlayNothing) {
    OpenArchive({{"Data\\Sounds\\Broken.wav", "RIFF....WAVEjunk"}});
    program_.Write("Data/Sounds/Bad.wav", "RIFF\x10\0\0\0WAVEfmt ");

    EXPECT_EQ(ErrorOf([&] { lib_.LoadSample(ProgramDir + "Data\\Sounds\\Bad.wav", false); }),
              "File not loaded: " + ProgramDir + "Data\\Sounds\\Bad.wav");
    EXPECT_EQ(ErrorOf([&] { lib_.LoadSample(ProgramDir + "Data\\Sounds\\None.wav", false); }),
              "File not found " + ProgramDir + "Data\\Sounds\\None.wav");

    int broken = -2;
    EXPECT_EQ(ErrorOf([&] { broken = lib_.LoadSample(ProgramDir + "Data\\Sounds\\Broken.wav", false); }),
              "no error");
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(lib_.Play(broken, 255), -1);
    EXPECT_EQ(lib_.Play3D(broken, TVector4{}, 255), -1);
}

TEST_F(SoundLibTest, PlayIsAudibleAtItsVolumeAndNothingAtZero) {
    REQUIRE_LOOPBACK();
    OpenArchive({{SHOT, Tone()}});
    const int shot = lib_.LoadSample(ProgramDir + SHOT, false);

    EXPECT_EQ(lib_.Play(shot, 0), -1);
    EXPECT_LT(Levels(RATE / 4).first, 1e-4);

    int channel = lib_.Play(shot, 255);
    ASSERT_GE(channel, 0);
    const double full = Levels(RATE / 4).first;
    EXPECT_GT(full, 0.1);
    lib_.Stop(channel);
    EXPECT_EQ(channel, -1);
    EXPECT_LT(Levels(RATE / 4).first, 1e-4);

    channel = lib_.Play(shot, 128);
    EXPECT_NEAR(Levels(RATE / 4).first / full, 128.0 / 255, 0.03);
    lib_.SetVolume(channel, 255);
    EXPECT_NEAR(Levels(RATE / 4).first / full, 1.0, 0.03);
}

TEST_F(SoundLibTest, SlowMotionLowersThePitchButNotTheMusic) {
    REQUIRE_LOOPBACK();
    OpenArchive({{SHOT, Tone()}});
    const int shot = lib_.LoadSample(ProgramDir + SHOT, false);
    auto pitch = [&] {
        const std::vector<float> out = platform::AudioRenderLoopback(RATE);
        return ZeroCrossingFrequency(StereoChannel(out, 0, RATE / 10, RATE), RATE);
    };

    int channel = lib_.Play(shot, 255);
    EXPECT_NEAR(pitch(), 441, 3);
    lib_.Stop(channel);

    lib_.SetTimeDivisor(4);
    channel = lib_.Play(shot, 255);
    EXPECT_NEAR(pitch(), 441.0 / 4, 3);
    lib_.Stop(channel);

    channel = lib_.PlayMusic(shot, 255);
    EXPECT_NEAR(pitch(), 441, 3);
}

} // namespace
