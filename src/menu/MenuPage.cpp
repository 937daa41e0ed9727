// The layout epoch every page keeps.
#include "menu/MenuPage.h"

#include "settings/Configure.h"

bool TMenuPage::LayoutChanged() {
    if (epoch_ == Config->Resolution) return false;
    epoch_ = Config->Resolution;
    return true;
}
