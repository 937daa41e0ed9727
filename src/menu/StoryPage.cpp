// The story page. The fade timer runs from 1000 down to 0 while the picture fades in, and
// from 0 up past 1000 after a key while it fades out.
#include "menu/StoryPage.h"

#include <GL/gl.h>
#include <cmath>

#include "menu/MenuGlobals.h"
#include "menu/MenuLayout.h"
#include "menu/PageTable.h"
#include "menu/StageLoadingScreen.h"
#include "platform/Platform.h"
#include "resources/Out2D.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"

TStoryPage::TStoryPage(TMenu& owner) : TMenuPage(owner), story_(LoadMenuTexture("Data\\Menu\\Story.jpg")) {}

void TStoryPage::Reset() {
    fadeTimer_ = 1000;
    keyPressed_ = false;
}

void TStoryPage::Draw(uint32_t step, float x, float y) {
    if (keyPressed_) {
        fadeTimer_ += static_cast<int32_t>(step);
        if (fadeTimer_ > 0) DrawLoadingScreen(false, false);
    } else if (fadeTimer_ > 0) {
        PageOf<PAGE_MAIN>(Owner).Draw(step, x, y);
    }
    if (fadeTimer_ <= 1000) {
        if (!keyPressed_ && fadeTimer_ > 0) fadeTimer_ -= static_cast<int32_t>(step);
    } else {
        CurrentMenuPage = PAGE_LOAD;
    }
    if (fadeTimer_ > 0) glColor4f(1, 1, 1, 1 - fadeTimer_ / 1000.0f);
    DrawFullScreenPicture(story_);
    if (!keyPressed_) {
        const std::string text = "Press any key...";
        const float alpha = std::sin(platform::GetTickCount() / 180.0f);
        PrintColoured(text, FONT_18, -PixelsX(MeasureText(FONT_18, text).w) / 2, -0.6f, 1, 1, 0, alpha);
    }
    glColor4f(1, 1, 1, 1);
    if (Keys->AnyPressed()) {
        ClearAllKeys();
        TGamePlayer& profile = CurrentProfile();
        profile.Stage = 1;
        profile.Shotgun = profile.Uzi = profile.Machinegun = profile.Bazooka = profile.Rockets = 0;
        keyPressed_ = true;
        PageOf<PAGE_LOAD>(Owner).Prepare(StageMissionPath(1));
    }
}
