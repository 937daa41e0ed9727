// The layout epoch every page keeps.
#include "menu/MenuPage.h"

#include "menu/MenuScreen.h"
#include "settings/Configure.h"

bool TMenuPage::LayoutChanged() {
    if (epoch_ == LayoutEpoch()) return false;
    onlySize_ = epoch_ != -1 && resolution_ == Config->Resolution;
    epoch_ = LayoutEpoch();
    resolution_ = Config->Resolution;
    return true;
}
