// The volume settings: music and sound, 0..100 in tens.
#pragma once

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/ChangeBox.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TSoundPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_SOUND;
    explicit TSoundPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    TMenuWindow window_;
    TChangeBox music_;
    TChangeBox sound_;
    TButton back_;
};

// A volume (0..255) as the box's index (0..10) and back, both rounded half to even.
int VolumeIndex(int volume);
int VolumeOf(int index);
