// The quit confirmation.
#include "menu/ExitPage.h"

#include "menu/MenuGlobals.h"

TExitPage::TExitPage(TMenu& owner)
    : TConfirmPage(owner, {"Are you sure", "you want", "to quit this game?"}) {}

void TExitPage::OnYes() {
    CurrentMenuPage = PAGE_LAST_SCREEN;
    PlayClickSound();
}

void TExitPage::OnBack() {
    CurrentMenuPage = PAGE_MAIN;
    PlayClickSound();
}
