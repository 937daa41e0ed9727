// The generated Data.dpg: every picture in it decodes, and every picture, effect, sound and music
// file the game names is there and has the size and transparency its layout depends on.
#include "resources/OpenIL.h"
#include "resources/Textures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "support/TestFiles.h"

#include "datagen/StageWorlds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sndfile.h>
#include <string>
#include <vector>

namespace {

struct TPicture {
    int width = 0, height = 0, bytesPerPixel = 0;
    std::vector<uint8_t> pixels; // rows in the order the game uploads them (texture t = 0 first)
    uint8_t Alpha(int x, int y) const {
        return pixels[(static_cast<size_t>(y) * width + x) * bytesPerPixel + 3];
    }
};

struct TSound {
    int frames = 0, rate = 0, channels = 0, format = 0;
    std::vector<float> samples;
};

class GeneratedData : public testing::Test {
protected:
    static void SetUpTestSuite() { InitIL(); }

    void SetUp() override {
        if (!HaveGeneratedData())
            GTEST_SKIP() << "no " << KESTROVA_DATA_ARCHIVE << " (configure with KESTROVA_DATA=ON)";
        game_ = std::make_unique<TGeneratedGame>(program_.Path());
        boxes_.emplace([](const std::string& caption, const std::string& text) {
            ADD_FAILURE() << caption << ": " << text;
        });
    }

    void TearDown() override { boxes_.reset(); }

    TBytes Member(const std::string& path) {
        const int index = game_->archive.FindMember(program_.Path() + path);
        EXPECT_GE(index, 0) << path << " is not in the archive";
        return index < 0 ? TBytes() : game_->archive.ReadMember(index);
    }

    // Decoded by the game's own loaders, rows in the order the game uploads them.
    TPicture Picture(const std::string& path) {
        TPicture p;
        TImage image;
        if (!LoadImage(program_.Path() + path, image)) {
            ADD_FAILURE() << path << " does not decode";
            return p;
        }
        p.width = image.width;
        p.height = image.height;
        p.bytesPerPixel = image.components;
        p.pixels = image.pixels;
        return p;
    }

    void ExpectPicture(const std::string& path, int width, int height) {
        const TPicture p = Picture(path);
        EXPECT_EQ(p.width, width) << path;
        EXPECT_EQ(p.height, height) << path;
        // Everything drawn over the scene or the menu backdrop needs its transparency.
        EXPECT_EQ(p.bytesPerPixel, 4) << path;
    }

    TSound Audio(const std::string& path) {
        TBytes bytes = Member(path);
        TSound s;
        if (bytes.empty()) return s;
        TMemory memory{bytes, 0};
        SF_VIRTUAL_IO io{&TMemory::Length, &TMemory::Seek, &TMemory::Read, nullptr, &TMemory::Tell};
        SF_INFO info{};
        SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &memory);
        EXPECT_NE(file, nullptr) << path << ": " << sf_strerror(nullptr);
        if (!file) return s;
        s.frames = static_cast<int>(info.frames);
        s.rate = info.samplerate;
        s.channels = info.channels;
        s.format = info.format;
        s.samples.resize(static_cast<size_t>(info.frames) * info.channels);
        EXPECT_EQ(sf_readf_float(file, s.samples.data(), info.frames), info.frames) << path;
        sf_close(file);
        return s;
    }

    TTempDir program_;
    std::unique_ptr<TGeneratedGame> game_;
    std::optional<TDialogCatcher> boxes_;

private:
    struct TMemory {
        const TBytes& bytes;
        sf_count_t position;
        static sf_count_t Length(void* self) {
            return static_cast<sf_count_t>(static_cast<TMemory*>(self)->bytes.size());
        }
        static sf_count_t Tell(void* self) { return static_cast<TMemory*>(self)->position; }
        static sf_count_t Seek(sf_count_t offset, int whence, void* self) {
            auto* m = static_cast<TMemory*>(self);
            const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->position : Length(self);
            m->position = std::clamp<sf_count_t>(base + offset, 0, Length(self));
            return m->position;
        }
        static sf_count_t Read(void* out, sf_count_t count, void* self) {
            auto* m = static_cast<TMemory*>(self);
            const sf_count_t n = std::min(count, Length(self) - m->position);
            std::copy_n(m->bytes.begin() + m->position, n, static_cast<uint8_t*>(out));
            m->position += n;
            return n;
        }
    };
};

struct TExpectedPicture {
    const char* path;
    int width, height;
};

TEST_F(GeneratedData, MenuPicturesHaveTheirLayoutSizesAndAlpha) {
    const TExpectedPicture pictures[] = {
        {"Data\\Menu\\Logo.png", 512, 64},
        {"Data\\Menu\\Name of game.png", 384, 288},
        {"Data\\Menu\\Cursor_in.png", 64, 64},
        {"Data\\Menu\\Cursor_out.png", 64, 64},
        {"Data\\Menu\\button1_in.png", 130, 30},
        {"Data\\Menu\\button1_out.png", 130, 30},
        {"Data\\Menu\\button2_in.png", 290, 25},
        {"Data\\Menu\\button2_out.png", 290, 25},
        {"Data\\Menu\\Question_window.png", 300, 226},
        {"Data\\Menu\\menu_window.png", 418, 318},
        {"Data\\Menu\\Logo_mini_active.png", 256, 128},
        {"Data\\Menu\\Logo_mini_inactive.png", 256, 128},
    };
    for (const auto& e : pictures)
        ExpectPicture(e.path, e.width, e.height);
}

TEST_F(GeneratedData, HudPanelsSegmentsLightsAndEveryBonusIconPair) {
    const TExpectedPicture pictures[] = {
        {"Data\\HUD\\Left_Panel.png", 256, 128},
        {"Data\\HUD\\Center_Panel.png", 296, 96},
        {"Data\\HUD\\Center_Panel_FULL.png", 296, 96},
        {"Data\\HUD\\Right_Panel.png", 202, 96},
        {"Data\\HUD\\Arrow.png", 32, 16},
        {"Data\\HUD\\Lights_Red.png", 256, 128},
        {"Data\\HUD\\Lights_Yellow.png", 256, 128},
        {"Data\\HUD\\Lights_Green.png", 256, 128},
        {"Data\\HUD\\b_Gun_a.png", 64, 64},
    };
    for (const auto& e : pictures)
        ExpectPicture(e.path, e.width, e.height);
    for (int k = 1; k <= 4; ++k) {
        const std::string base = "Data\\HUD\\Energy " + std::to_string(k);
        ExpectPicture(base + ".png", 22, 20);
        ExpectPicture(base + "_L.png", 22, 20);
    }
    // The icon base names of bonus types 1..13 (the money icon serves two types).
    for (const char* name :
         {"b_Machine carbine", "b_Machine gun", "b_Shot-gun", "b_Flare pistol", "b_Bonus Nitro",
          "b_Energy Shield", "b_Ghost Mode", "b_Bonus Money", "b_Rockets", "b_Repair", "b_Slomo", "b_Time"}) {
        const std::string base = std::string("Data\\HUD\\") + name;
        ExpectPicture(base + "_a.png", 64, 64);
        ExpectPicture(base + "_b.png", 160, 120);
    }
}

TEST_F(GeneratedData, PointerTipIsAtTheTopLeftAsTheMenuDrawsIt) {
    // The menu draws the pointer with texture (0, 0) at its lower-left corner, so the tip (the
    // picture's upper-left on screen) must be in the last rows the game uploads.
    for (const char* path : {"Data\\Menu\\Cursor_out.png", "Data\\Menu\\Cursor_in.png"}) {
        const TPicture p = Picture(path);
        ASSERT_EQ(p.height, 64) << path;
        EXPECT_GT(p.Alpha(5, 64 - 8), 200) << path << ": tip not at the top-left on screen";
        EXPECT_LT(p.Alpha(40, 5), 10) << path << ": picture upside down";
    }
}

TEST_F(GeneratedData, HelpPicturesLeaveTheTitleAndButtonBandsClear) {
    // Drawn pixel for pixel over the help window: the game prints the title at rows 38..57 and
    // the buttons at rows 263..293 of the picture's 415 x 315 area.
    for (int i = 1; i <= 8; ++i) {
        const std::string path = "Data\\Menu\\Help" + std::to_string(i) + ".png";
        const TPicture p = Picture(path);
        ASSERT_EQ(p.width, 512) << path;
        ASSERT_EQ(p.height, 512) << path;
        ASSERT_EQ(p.bytesPerPixel, 4) << path;
        int covered = 0, content = 0;
        for (int y = 0; y < 315; ++y)
            for (int x = 0; x < 415; ++x) {
                const bool band = (y >= 36 && y <= 58) || (y >= 262 && y <= 294);
                if (band && p.Alpha(x, y) > 0) ++covered;
                if (!band && p.Alpha(x, y) > 200) ++content;
            }
        EXPECT_EQ(covered, 0) << path;
        EXPECT_GT(content, 415 * 100) << path << " shows little";
    }
}

TEST_F(GeneratedData, EveryPictureInTheArchiveDecodesWithoutABox) {
    int pictures = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i)
        if (ImageFormatOf(program_.Path() + game_->archive.MemberName(i)) != TImageFormat::None) {
            ++pictures;
            Picture(game_->archive.MemberName(i));
        }
    EXPECT_GT(pictures, 100);
}

TEST_F(GeneratedData, TexturesDecodeAndCloudsCarryAlpha) {
    for (const char* path :
         {"Data\\Textures\\car_sh.png", "Data\\Textures\\flash1.png", "Data\\Textures\\flash2.png",
          "Data\\Textures\\shell.png", "Data\\Textures\\target.png", "Data\\Textures\\back_light.png",
          "Data\\Textures\\break_light.png", "Data\\Textures\\trasser.png", "Data\\Textures\\spark1.png",
          "Data\\Textures\\spark2.png", "Data\\Textures\\spark3.png"}) {
        const TPicture p = Picture(path);
        EXPECT_EQ(p.bytesPerPixel, 4) << path;
    }
    // The game's own TGA reader: 18-byte header, type 2, no colour map, 32 bits, pixels right after.
    const TBytes tga = Member("Data\\Textures\\Clouds.tga");
    ASSERT_GE(tga.size(), 18u);
    EXPECT_EQ(tga[0], 0);
    EXPECT_EQ(tga[1], 0);
    EXPECT_EQ(tga[2], 2);
    EXPECT_EQ(tga[16], 32);
    const int width = tga[12] | tga[13] << 8, height = tga[14] | tga[15] << 8;
    ASSERT_EQ(tga.size(), 18u + static_cast<size_t>(width) * height * 4);
    int clear = 0, shadow = 0;
    for (size_t i = 18 + 3; i < tga.size(); i += 4)
        (tga[i] == 0 ? clear : shadow) += 1;
    EXPECT_GT(clear, width * height / 10);
    EXPECT_GT(shadow, width * height / 10);
}

TEST_F(GeneratedData, SpriteEffectsNameFramesThatExist) {
    for (const char* name : {"smoke1.eff", "rocketsmoke.eff", "rocketsmoke_2.eff", "rocketsmoke_3.eff",
                             "grass.eff", "Flare.eff", "Snow.eff", "smoke_frame.eff", "expl.eff"}) {
        // Read as the effects loader reads them.
        const std::vector<std::string> lines =
            TTextFile(program_.Path() + "Data\\Sprites\\" + name, game_->archive).ReadAllLines();
        ASSERT_GE(lines.size(), 2u) << name;
        EXPECT_GT(std::stoi(lines[0]), 0) << name;
        for (size_t i = 1; i < lines.size(); ++i) {
            const TPicture frame = Picture("Data\\Sprites\\" + lines[i]);
            EXPECT_EQ(frame.bytesPerPixel, 4) << name << " frame " << lines[i];
        }
        if (std::string(name) == "expl.eff") {
            EXPECT_GE(lines.size() - 1, 8u) << "the explosion flip-book needs at least eight frames";
        }
    }
}

TEST_F(GeneratedData, FullScreenPicturesAreJpegs) {
    std::vector<std::string> paths = {"Data\\Menu\\Splash.jpg", "Data\\Menu\\Story.jpg",
                                      "Data\\Menu\\Final.jpg"};
    for (int stage = 1; stage <= 15; ++stage)
        paths.push_back("Data\\Maps\\Loading_Level" + std::to_string(stage) + ".jpg");
    for (const std::string& path : paths) {
        const TPicture p = Picture(path);
        EXPECT_EQ(p.width, 1024) << path;
        EXPECT_EQ(p.height, 768) << path;
    }
}

// One view per world: the stages of one block set and weather share their loading picture's
// view (the band between the titles and the "Press any key..." line), the others differ in it.
TEST_F(GeneratedData, LoadingPicturesShowTheWorldOfTheirStage) {
    std::vector<TPicture> pictures;
    for (int stage = 1; stage <= 15; ++stage)
        pictures.push_back(Picture("Data\\Maps\\Loading_Level" + std::to_string(stage) + ".jpg"));
    const auto difference = [](const TPicture& a, const TPicture& b) {
        double sum = 0;
        const size_t from = 230 * 1024 * 4, to = 450 * 1024 * 4; // rows 317 .. 537 from the top
        for (size_t i = from; i < to; ++i)
            sum += std::abs(a.pixels[i] - b.pixels[i]);
        return sum / (to - from);
    };
    ASSERT_EQ(std::size(kStageWorlds), pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            ASSERT_EQ(pictures[i].pixels.size(), 1024u * 768 * 4);
            const double d = difference(pictures[i], pictures[j]);
            if (kStageWorlds[i].SameLook(kStageWorlds[j])) {
                EXPECT_LT(d, 0.5) << "stages " << i + 1 << ", " << j + 1;
            } else {
                EXPECT_GT(d, 5) << "stages " << i + 1 << ", " << j + 1;
            }
        }
}

// The slippery patches fade out over several pixels along a ragged rim, so they read as pools
// on the road, not as holes in it: clear at the border, solid in the middle.
TEST_F(GeneratedData, HazardPatchesHaveSoftIrregularEdges) {
    int patches = 0;
    for (int member = 0; member < game_->archive.EntryCount(); ++member) {
        const std::string name = game_->archive.MemberName(member);
        if (name.find("_patch.png") == std::string::npos) continue;
        ++patches;
        const TPicture p = Picture(name);
        ASSERT_EQ(p.bytesPerPixel, 4) << name;
        EXPECT_EQ(p.Alpha(0, p.height / 2), 0) << name;
        EXPECT_GT(p.Alpha(p.width / 2, p.height / 2), 200) << name;
        // Along each row through the middle half: where the pool starts, and how wide its fade is.
        int earliest = p.width, latest = 0;
        for (int y = p.height / 4; y < p.height * 3 / 4; ++y) {
            int start = 0;
            while (start < p.width / 2 && p.Alpha(start, y) < 16)
                ++start;
            int solid = start;
            while (solid < p.width / 2 && p.Alpha(solid, y) < 200)
                ++solid;
            EXPECT_GE(solid - start, 4) << name << " row " << y << ": a hard edge";
            earliest = std::min(earliest, start);
            latest = std::max(latest, start);
        }
        EXPECT_GE(latest - earliest, p.width / 32) << name << ": a straight edge";
    }
    EXPECT_EQ(patches, 2) << "oil and ice";
}

float Peak(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

TEST_F(GeneratedData, SoundsAreAudible16BitWavs) {
    for (const char* name : {"Shoot_gun.WAV", "Shoot_uzi.WAV", "Shoot_assault.WAV", "Shoot_shotgun.WAV",
                             "Shoot_rocket.WAV", "Hit.wav", "npc_explosion.wav", "OnButton.WAV", "Click.WAV",
                             "Bonus_uzi.wav", "Bonus_assault.wav", "Bonus_shotgun.wav", "Bonus_rockets.wav",
                             "Bonus_nitro.WAV", "Bonus_shield.wav", "Bonus_ghost.wav", "Bonus_money.wav"}) {
        const TSound s = Audio(std::string("Data\\Sounds\\") + name);
        EXPECT_EQ(s.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name;
        EXPECT_TRUE(s.rate == 22050 || s.rate == 44100) << name;
        EXPECT_GT(s.frames, s.rate / 100) << name;
        EXPECT_LT(s.frames, s.rate * 3) << name << " is too long for an effect";
        EXPECT_GT(Peak(s.samples), 0.3f) << name << " is nearly silent";
    }
}

TEST_F(GeneratedData, MusicIsOggVorbisLoopsOfOneToTwoMinutes) {
    for (const char* name :
         {"MENU_K_V.ogg", "Stage1.ogg", "Stage2.ogg", "Stage3.ogg", "Stage4.ogg", "Stage5.ogg"}) {
        const TSound s = Audio(std::string("Data\\Music\\") + name);
        EXPECT_EQ(s.format, SF_FORMAT_OGG | SF_FORMAT_VORBIS) << name;
        EXPECT_EQ(s.channels, 2) << name;
        ASSERT_GT(s.rate, 0) << name;
        EXPECT_GE(s.frames, s.rate * 60) << name;
        EXPECT_LE(s.frames, s.rate * 120) << name;
        EXPECT_GT(Peak(s.samples), 0.5f) << name;
    }
}

TEST_F(GeneratedData, StaticFilesArePackedVerbatim) {
    // Hand-written data (the shader sources) is copied from the generator's static folder.
    const std::filesystem::path folder = KESTROVA_DATAGEN_STATIC;
    if (!std::filesystem::is_directory(folder)) return;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::string member = std::filesystem::relative(entry.path(), folder).generic_string();
        std::replace(member.begin(), member.end(), '/', '\\');
        std::ifstream in(entry.path(), std::ios::binary);
        const TBytes expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(Member(member), expected) << member;
    }
}

} // namespace
