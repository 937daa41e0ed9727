// Retrying the exchange, handshake included, or giving up.
#include "menu/ConnectionFailPage.h"

#include "menu/MenuGlobals.h"
#include "menu/SendScore.h"

TConnectionFailPage::TConnectionFailPage(TMenu& owner)
    : TConfirmPage(owner, {"Connection Failed", "Retry?", ""}, "Yes", "No") {}

void TConnectionFailPage::OnYes() {
    SendScore(Owner);
    PlayClickSound();
}

void TConnectionFailPage::OnBack() {
    CurrentMenuPage = PAGE_MAIN;
    PlayClickSound();
}
