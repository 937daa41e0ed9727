// The sound page; the music channel follows the setting on the next frame.
#include "menu/SoundPage.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "menu/MenuGlobals.h"
#include "menu/OptionsPage.h"
#include "settings/Configure.h"

int VolumeIndex(int volume) {
    return static_cast<int>(std::nearbyint(volume / 255.0 * 10));
}

int VolumeOf(int index) {
    return static_cast<int>(std::nearbyint(index / 10.0 * 255));
}

TSoundPage::TSoundPage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), music_("Music:", BUTTON2_OUT, BUTTON2_IN),
      sound_("Sound:", BUTTON2_OUT, BUTTON2_IN), back_(BUTTON1_OUT, BUTTON1_IN, "Back") {
    for (int i = 0; i <= 10; ++i) {
        music_.AddItem(std::to_string(i * 10));
        sound_.AddItem(std::to_string(i * 10));
    }
    music_.Select(std::clamp(VolumeIndex(Config->MusicVolume), 0, 10));
    sound_.Select(std::clamp(VolumeIndex(Config->SoundVolume), 0, 10));
}

void TSoundPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        music_.SetRect(SettingsRow(window_, 0));
        sound_.SetRect(SettingsRow(window_, 1));
        back_.SetRect(window_.Rect(150, 266, 285, 255));
    }
    window_.Draw();
    window_.PrintCentred("Sound", FONT_14, 45);
    if (music_.Update(x, y)) Config->MusicVolume = VolumeOf(music_.Selected());
    music_.Draw();
    if (sound_.Update(x, y)) Config->SoundVolume = VolumeOf(sound_.Selected());
    sound_.Draw();
    const bool back = back_.Activated(x, y);
    if (back || EscapeUsed()) {
        PlayClickSound();
        CurrentMenuPage = PAGE_OPTIONS;
    }
    back_.Draw();
}
