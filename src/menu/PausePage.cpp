// The confirmation that leaves a running game for the main page; the game stays in progress.
#include "menu/PausePage.h"

#include "menu/MenuGlobals.h"

TPausePage::TPausePage(TMenu& owner)
    : TConfirmPage(owner, {"Are you sure", "you want", "to exit to main menu?"}) {}

void TPausePage::OnYes() {
    CurrentMenuPage = PAGE_MAIN;
}

void TPausePage::OnBack() {
    MenuActive = false;
    PlayClickSound();
}
