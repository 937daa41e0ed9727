// Sending the score, or not.
#include "menu/SendHighScorePage.h"

#include "menu/MenuGlobals.h"
#include "menu/SendScore.h"

TSendHighScorePage::TSendHighScorePage(TMenu& owner)
    : TConfirmPage(owner, {"Send your score", "to the world's", "highscore page?"}, "Yes", "No") {}

void TSendHighScorePage::OnYes() {
    SendScore(Owner);
    PlayClickSound();
}

void TSendHighScorePage::OnBack() {
    CurrentMenuPage = PAGE_MAIN;
    PlayClickSound();
}
