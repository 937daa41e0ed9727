// Deleting the current profile: the later ones move down one place.
#include "menu/DeletePage.h"

#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "settings/Configure.h"

TDeletePage::TDeletePage(TMenu& owner)
    : TConfirmPage(owner, {"Are you sure", "you want", "to delete this player?"}) {}

void TDeletePage::OnYes() {
    const int current = Config->CurrentPlayer;
    if (current >= 0 && current < Config->PlayerCount) {
        for (int i = current; i + 1 < Config->PlayerCount; ++i)
            Config->Players[i] = Config->Players[i + 1];
        Config->PlayerCount -= 1;
        Config->Players[Config->PlayerCount] = TGamePlayer();
        if (Config->CurrentPlayer > Config->PlayerCount - 1) Config->CurrentPlayer = Config->PlayerCount - 1;
    }
    Owner.PageAt(PAGE_PLAYERS).ForceRelayout();
    CurrentMenuPage = PAGE_PLAYERS;
    PlayClickSound();
}

void TDeletePage::OnBack() {
    CurrentMenuPage = PAGE_PLAYERS;
    PlayClickSound();
}
