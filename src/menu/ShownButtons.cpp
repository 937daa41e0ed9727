// The buttons the last menu frame showed.
#include "menu/ShownButtons.h"

TShownButtons ShownButtons;

const TShownButton* TShownButtons::Find(const std::string& caption) const {
    for (const TShownButton& button : buttons)
        if (button.caption == caption) return &button;
    return nullptr;
}
