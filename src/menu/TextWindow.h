// A picture panel: the upper-left 415 x 315 pixels of a 512 x 512 texture (the help pictures).
#pragma once

#include "menu/MenuLayout.h"

class TTextWindow {
public:
    explicit TTextWindow(int texture) : texture_(texture) {}

    void SetRect(const TRect& rect) { rect_ = rect; }
    void Draw() const;

private:
    int texture_;
    TRect rect_;
};
