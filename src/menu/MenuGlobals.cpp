// The menu's shared sounds and flags.
#include "menu/MenuGlobals.h"

#include "resources/SoundLib.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"

int HoverSound = 0;
int ClickSound = 0;
bool PointerOverWidget = false;
int LoadingPicture = 0;
bool StageReady = false;
std::string ConfigFile;

void PlayHoverSound() {
    SoundLib->Play(HoverSound, Config->SoundVolume);
}

void PlayClickSound() {
    SoundLib->Play(ClickSound, Config->SoundVolume);
}

bool LeftClicked() {
    return Keys->IsPressed(KEY_LEFT_BUTTON) || Keys->IsPressed(KEY_PAD_CLICK);
}

bool EscapeUsed() {
    if (!Keys->IsPressed(KEY_ESCAPE)) return false;
    Keys->ClearPressed(KEY_ESCAPE);
    return true;
}

TGamePlayer& CurrentProfile() {
    static TGamePlayer scratch;
    if (Config->CurrentPlayer < 0 || Config->CurrentPlayer >= Config->PlayerCount) return scratch;
    return Config->Players[Config->CurrentPlayer];
}

void ClearAllKeys() {
    for (int key = 0; key < 256; ++key)
        Keys->ClearPressed(key);
}
