// The menu on the generated data in an 800 x 600 context, driven frame by frame with the
// keys and the pointer as the frame loop would set them, and with its sounds on the
// loopback device so that they can be counted.
#pragma once

#include "core/Log.h"
#include "menu/Menu.h"
#include "menu/MenuScreen.h"
#include "menu/StageHost.h"
#include "platform/Audio.h"
#include "resources/SoundLib.h"
#include "settings/Additions.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"
#include "support/GeneratedGame.h"
#include "support/GfxFixture.h"
#include "world/CarTypes.h"
#include "world/MissionValues.h"

#include <initializer_list>
#include <memory>
#include <string>

// The stage as the pages see it; loading only counts.
class TFakeStage : public TStageHost {
public:
    void LoadStage(const std::string& path) override { loaded.push_back(path); }
    int32_t Score() const override { return score; }
    void SetScore(int32_t value) override { score = value; }
    int64_t TimeLeft() const override { return timeLeft; }
    void SetTimeLeft(int64_t ms) override { timeLeft = ms; }
    void SetHealth(float value) override { health = value; }

    std::vector<std::string> loaded;
    int32_t score = 0;
    int64_t timeLeft = 0;
    float health = 0;
};

class MenuTest : public GfxTest {
protected:
    MenuTest() : GfxTest(800, 600) {}

    void SetUp() override {
        GfxTest::SetUp();
        if (IsSkipped()) return;
        if (!HaveGeneratedData()) GTEST_SKIP() << "no generated data";
        game_ = std::make_unique<TGeneratedGame>(program_.Path());
        loopback_ = platform::AudioInitLoopback(22050);
        SoundLib = &sounds_;
        Config = &config_;
        Additions = &additions_;
        Keys = &keys_;
        Log = &log_;
        CurrentMenuPage = PAGE_MAIN;
        MenuActive = true;
        QuitFlag = RestartFlag = false;
        MissionValues = TMissionValues();
    }

    void TearDown() override {
        if (menu_) Menu = nullptr;
        platform::AudioShutdown();
        SoundLib = nullptr;
        Config = nullptr;
        Additions = nullptr;
        Keys = nullptr;
        Log = nullptr;
        GfxTest::TearDown();
    }

    void AddProfile(const std::string& name, int stage = 0) {
        config_.Players[config_.PlayerCount].Name = name;
        config_.Players[config_.PlayerCount].Stage = stage;
        config_.PlayerCount += 1;
    }

    // Builds the menu on the settings as they stand now.
    void CreateMenu() {
        menu_ = std::make_unique<TMenu>(stage_);
        Menu = menu_.get();
    }

    // One menu frame with these keys down and the pointer's hit point at pixel (x, y) from
    // the window's upper-left corner (the menu tests 30 pixels below the cursor at this size).
    void Frame(std::initializer_list<int> down, int x, int y, uint32_t step = 25) {
        uint8_t state[256] = {};
        for (int key : down)
            state[key] = 0x80;
        keys_.Update(state);
        menu_->Draw(step, {0, 0, 800, 600, 2.0f / 800, 2.0f / 600, x, y - 30});
    }
    void Idle(int x = 400, int y = 590) { Frame({}, x, y); }
    void Click(int x, int y) {
        Frame({1}, x, y);
        Frame({}, x, y);
    }
    void Press(int key) {
        Frame({key}, 400, 590);
        Frame({}, 400, 590);
    }

    // Playing channels of the loopback device (sounds never end there: nothing renders them).
    // A handle carries its channel's use count, so the first few uses of each are asked for.
    int SoundsPlaying() const {
        int playing = 0;
        for (int handle = 0; handle < 32 * 8; ++handle)
            playing += sounds_.IsPlaying(handle);
        return playing;
    }

    // Positions in pixels from the upper-left corner: the large window (418 x 318) and the
    // confirmation window (300 x 226) centred on 800 x 600.
    static int LargeX(int offset) { return 191 + offset; }
    static int LargeY(int offset) { return 141 + offset; }
    static int ConfirmX(int offset) { return 250 + offset; }
    static int ConfirmY(int offset) { return 187 + offset; }
    // Centres of the button rows.
    static int RowY(int row) { return LargeY(68 + 32 * row); }
    static int BottomRowY() { return LargeY(270); }
    static int YesX() { return ConfirmX(82); }
    static int BackX() { return ConfirmX(216); }
    static int ConfirmButtonsY() { return ConfirmY(179); }

    TLOgFile log_{"", false};
    TConfig config_;
    TAdditions additions_;
    TTempDir settings_;
    TKeys keys_{settings_.Path() + "keys.cfg"};
    TSoundLib sounds_{false};
    bool loopback_ = false;
    TFakeStage stage_;
    std::unique_ptr<TMenu> menu_;

private:
    std::unique_ptr<TGeneratedGame> game_;
};
