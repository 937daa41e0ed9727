// The menu pilot on the pages the whole-game run does not reach: choosing a profile, resuming
// a game left with Escape, and the end of a game won to the last stage. Each page is given as
// the buttons a frame showed; what the pilot's hands do there is read back as clicks and keys.
#include "menu/MenuPilot.h"
#include "gameplay/GameState.h"
#include "menu/MenuScreen.h"
#include "menu/ShownButtons.h"
#include "settings/Configure.h"
#include "world/MissionValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MenuPilotPages : public ::testing::Test {
protected:
    void SetUp() override {
        config_.PlayerCount = 2;
        config_.Players[0].Name = "ACE";
        config_.Players[1].Name = "BOB";
        config_.CurrentPlayer = 0;
        saved_ = Config;
        Config = &config_;
        MissionValues.GameInProgress = false;
        TMenuScreen screen;
        screen.viewportWidth = 320;
        screen.viewportHeight = 240;
        screen.pixelScaleX = 2.0f / 320;
        screen.pixelScaleY = 2.0f / 240;
        SetMenuScreen(screen);
    }
    void TearDown() override { Config = saved_; }

    // Up to `frames` frames of page `page` showing `buttons` (stacked rows, the last one
    // mostly below the window's lower edge), until a click; each new press is one event: "Caption" for
    // a click on a button, "click" for one beside them, the key's number for a key.
    std::vector<std::string> On(int page, const std::vector<std::string>& buttons, int frames = 24) {
        CurrentMenuPage = page;
        ShownButtons.page = page;
        ShownButtons.buttons.clear();
        for (size_t i = 0; i < buttons.size(); ++i) {
            const float top = i + 1 == buttons.size() && i > 0 ? -1.0f : 0.8f - 0.3f * i;
            ShownButtons.buttons.push_back({buttons[i], {-0.5f, top - 0.25f, 0.5f, top}});
        }
        std::vector<std::string> events;
        bool clicked = false;
        for (int frame = 0; frame < frames && !pilot_.Finished() && !clicked; ++frame) {
            uint8_t state[256];
            pilot_.Frame(state, pointer_);
            for (int key = 0; key < 256; ++key) {
                const bool down = state[key] & 0x80;
                if (down && !down_[key]) events.push_back(key == 1 ? Clicked() : std::to_string(key));
                clicked = clicked || (down && key == 1);
                down_[key] = down;
            }
        }
        return events;
    }

    TMenuPilot pilot_;

private:
    std::string Clicked() const {
        TMenuScreen screen = MenuScreen;
        screen.cursorX = pointer_.x;
        screen.cursorY = pointer_.y;
        const TMenuPoint point = PointerPoint(screen);
        const bool inside = pointer_.x >= 0 && pointer_.x < screen.viewportWidth && pointer_.y >= 0 &&
                            pointer_.y < screen.viewportHeight;
        if (!inside) return "off the window";
        for (const TShownButton& button : ShownButtons.buttons)
            if (button.rect.Contains(point.x, point.y)) return button.caption;
        return "click";
    }

    TConfig config_;
    TConfig* saved_ = nullptr;
    platform::TPoint pointer_{160, 120};
    bool down_[256] = {};
};

using Events = std::vector<std::string>;

TEST_F(MenuPilotPages, ChoosesAProfileResumesAGameAndEndsAWonGameOnTheMainPage) {
    Config->CurrentPlayer = -1;
    EXPECT_EQ(On(PAGE_MAIN, {"Resume Game", "New Game", "Players"}, 3), Events{"Players"});
    EXPECT_EQ(On(PAGE_PLAYERS, {"ACE", "BOB", "Create", "Back"}, 3), Events{"ACE"});
    Config->CurrentPlayer = 0;
    EXPECT_EQ(On(PAGE_PLAYERS, {"ACE", "BOB", "Create", "Back"}, 3), Events{"Back"});
    EXPECT_EQ(On(PAGE_MAIN, {"Resume Game", "New Game", "Players"}, 3), Events{"New Game"});
    EXPECT_EQ(On(PAGE_STORY, {}, 2), Events{"32"});

    // Escape in the middle of a stage: the game goes on.
    MissionValues.GameInProgress = true;
    EXPECT_EQ(On(PAGE_MAIN, {"Resume Game", "New Game"}, 3), Events{"Resume Game"});

    // After the last stage's tally: a click, not a key that the country page would take as typed.
    MissionValues.GameInProgress = false;
    EXPECT_EQ(On(PAGE_FINAL, {}, 2), Events{"click"});
    Events country;
    for (const char c : std::string(TMenuPilot::kCountry))
        country.push_back(std::to_string(c));
    country.push_back("Ok");
    EXPECT_EQ(On(PAGE_COUNTRY, {"", "Ok"}, 40), country) << "typed, then Ok, mostly off the window";
    EXPECT_EQ(On(PAGE_SEND_HIGH_SCORE, {"Yes", "No"}, 3), Events{"No"});
    EXPECT_FALSE(pilot_.Finished());
    EXPECT_EQ(On(PAGE_MAIN, {"New Game"}), Events{});
    EXPECT_TRUE(pilot_.Finished());
}

} // namespace
