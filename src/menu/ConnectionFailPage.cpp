// Retrying the exchange, handshake included, or giving up.
#include "menu/ConnectionFailPage.h"

#include "menu/MenuGlobals.h"
#include "menu/SendScore.h"

TConnectionFailPage::TConnectionFailPage(TMenu& owner)
    : TConfirmPage(owner, {"Connection Failed", "Retry?", ""}, "Yes", "No") {}

void TConnectionFailPage::Show(const std::string& refusal) {
    if (refusal.empty()) {
        Reword({"Connection Failed", "Retry?", ""}, "Yes", "No");
    } else {
        Reword({"Score Refused", "The service said:", refusal}, "", "Ok");
    }
}

void TConnectionFailPage::OnYes() {
    SendScore(Owner);
    PlayClickSound();
}

void TConnectionFailPage::OnBack() {
    CurrentMenuPage = PAGE_MAIN;
    PlayClickSound();
}
