// The lost stage: Restart replays it, Exit files what was scored and goes to the country page.
#include "menu/LosePage.h"

#include "menu/MenuGlobals.h"
#include "menu/PageTable.h"
#include "menu/StageHost.h"
#include "settings/Configure.h"
#include "world/MissionValues.h"

TLosePage::TLosePage(TMenu& owner) : TConfirmPage(owner, {"You lose!", "", ""}, "Restart", "Exit") {}

void TLosePage::OnYes() {
    CurrentMenuPage = PAGE_LOAD;
    PlayClickSound();
    PageOf<PAGE_LOAD>(Owner).Prepare(StageMissionPath(CurrentProfile().Stage));
}

void TLosePage::OnBack() {
    CurrentProfile().Score += Owner.Stage.Score();
    CurrentMenuPage = PAGE_COUNTRY;
    MenuActive = true;
    MissionValues.GameInProgress = false;
    PlayClickSound();
}
