// Clearing the local high-score table.
#include "menu/ClearPage.h"

#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "settings/Configure.h"

TClearPage::TClearPage(TMenu& owner)
    : TConfirmPage(owner, {"Are you sure", "you want", "to clear highscore table?"}) {}

void TClearPage::OnYes() {
    for (THighScore& entry : Config->HighScores)
        entry = THighScore();
    Owner.PageAt(PAGE_HIGH_SCORES).ForceRelayout();
    CurrentMenuPage = PAGE_HIGH_SCORES;
    PlayClickSound();
}

void TClearPage::OnBack() {
    CurrentMenuPage = PAGE_HIGH_SCORES;
    PlayClickSound();
}
