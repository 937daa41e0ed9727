// The frame loop's music: which tune plays in menu and game frames, and its volume.
#include "app/Music.h"
#include "app/Globals.h"
#include "support/SoundLibFixture.h"

namespace {

class MusicTest : public SoundLibFixture {
protected:
    void SetUp() override {
        SoundLibFixture::SetUp();
        OpenArchive({{"Data\\Music\\Menu.ogg", SineFile(TSoundFormat::Ogg, RATE, 2, 441, 0.5, 0.5)},
                     {"Data\\Music\\Track1.ogg", SineFile(TSoundFormat::Ogg, RATE, 2, 441, 0.5, 0.5)}});
        MenuMusic = lib_.LoadSample(ProgramDir + "Data\\Music\\Menu.ogg", true);
        GameMusic = lib_.LoadSample(ProgramDir + "Data\\Music\\Track1.ogg", true);
    }
    void TearDown() override {
        MenuMusic = GameMusic = 0;
        MenuMusicChannel = GameMusicChannel = -1;
        SoundLibFixture::TearDown();
    }
};

TEST_F(MusicTest, MenuAndGameFramesSwitchTheTune) {
    REQUIRE_LOOPBACK();
    MenuFrameMusic(200);
    const int menuChannel = MenuMusicChannel;
    EXPECT_TRUE(lib_.IsPlaying(menuChannel));
    Levels(RATE); // past the end of the tune: it loops
    MenuFrameMusic(200);
    EXPECT_EQ(MenuMusicChannel, menuChannel) << "a playing tune is not restarted";

    GameFrameMusic(200);
    EXPECT_EQ(MenuMusicChannel, -1);
    EXPECT_FALSE(lib_.IsPlaying(menuChannel));
    EXPECT_TRUE(lib_.IsPlaying(GameMusicChannel));

    MenuFrameMusic(200);
    EXPECT_EQ(GameMusicChannel, -1);
    EXPECT_TRUE(lib_.IsPlaying(MenuMusicChannel));
}

TEST_F(MusicTest, VolumeFollowsTheSettingEachFrame) {
    REQUIRE_LOOPBACK();
    MenuFrameMusic(255);
    const double full = Levels(RATE / 4).first;
    EXPECT_GT(full, 0.1);
    MenuFrameMusic(64);
    EXPECT_NEAR(Levels(RATE / 4).first / full, 64.0 / 255, 0.03);

    // Switched off, nothing plays; switched on again, the tune starts.
    lib_.Stop(MenuMusicChannel);
    MenuFrameMusic(0);
    EXPECT_EQ(MenuMusicChannel, -1);
    EXPECT_LT(Levels(RATE / 4).first, 1e-4);
    MenuFrameMusic(255);
    EXPECT_NEAR(Levels(RATE / 4).first / full, 1.0, 0.03);
}

} // namespace
