// What the last menu frame showed of its buttons: each drawn button's caption and rectangle,
// and the page drawn. The menu pilot aims by it, as a player aims by what is on screen.
#pragma once

#include <string>
#include <vector>

#include "menu/MenuLayout.h"

struct TShownButton {
    std::string caption;
    TRect rect;
};

struct TShownButtons {
    int page = -1;
    std::vector<TShownButton> buttons;

    // The first button shown with this caption, or null.
    const TShownButton* Find(const std::string& caption) const;
};

// Started afresh by every menu frame, added to by every button drawn.
extern TShownButtons ShownButtons;
