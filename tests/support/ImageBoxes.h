// Collects the image loaders' message boxes as "caption: text" for the life of one object.
#pragma once

#include <string>
#include <vector>

#include "support/Dialogs.h"

class TImageBoxes {
public:
    TImageBoxes() { Texts().clear(); }
    TImageBoxes(const TImageBoxes&) = delete;
    TImageBoxes& operator=(const TImageBoxes&) = delete;

    static std::vector<std::string>& Texts() {
        static std::vector<std::string> texts;
        return texts;
    }

private:
    static void Collect(const std::string& caption, const std::string& text) {
        Texts().push_back(caption + ": " + text);
    }
    TDialogCatcher catcher_{&Collect};
};
