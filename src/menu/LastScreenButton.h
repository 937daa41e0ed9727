// A button of the exit screen that opens an address (or a file) when activated.
#pragma once

#include <string>

#include "menu/Button.h"

class TLastScreenButton : public TButton {
public:
    TLastScreenButton(const std::string& normalPicture, const std::string& hoveredPicture, std::string link)
        : TButton(normalPicture, hoveredPicture), Link(std::move(link)) {}

    std::string Link;
};
