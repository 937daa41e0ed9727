// The quit confirmation.
#include "menu/ExitPage.h"

#include "menu/MenuGlobals.h"
#include "settings/Configure.h"

TExitPage::TExitPage(TMenu& owner)
    : TConfirmPage(owner, {"Are you sure", "you want", "to quit this game?"}) {}

void TExitPage::OnYes() {
    CurrentMenuPage = PAGE_LAST_SCREEN;
    PlayClickSound();
}

void TExitPage::OnBack() {
    // Closing the window on the first start must not lead round the name prompt to a main
    // page without a profile.
    CurrentMenuPage = Config->PlayerCount > 0 ? PAGE_MAIN : PAGE_CREATE_PLAYER;
    PlayClickSound();
}
