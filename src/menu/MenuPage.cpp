// The layout epoch every page keeps.
#include "menu/MenuPage.h"

#include "menu/MenuScreen.h"

bool TMenuPage::LayoutChanged() {
    if (epoch_ == LayoutEpoch()) return false;
    epoch_ = LayoutEpoch();
    return true;
}
