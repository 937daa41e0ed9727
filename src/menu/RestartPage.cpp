// Applying the pending display settings by restarting the game (the frame loop saves first).
#include "menu/RestartPage.h"

#include "menu/MenuGlobals.h"
#include "settings/Configure.h"

TRestartPage::TRestartPage(TMenu& owner)
    : TConfirmPage(owner, {"Are you sure", "you want", "to restart the game?"}) {}

void TRestartPage::OnYes() {
    PlayClickSound();
    Config->Resolution = Config->PendingResolution;
    Config->FullScreen = Config->PendingFullScreen;
    QuitFlag = true;
    RestartFlag = true;
}

void TRestartPage::OnBack() {
    CurrentMenuPage = PAGE_VIEW;
    PlayClickSound();
}
