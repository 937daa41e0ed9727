// Collects the image loaders' message boxes as "caption: text" for the life of one object.
#pragma once

#include <string>
#include <vector>

#include "resources/Textures.h"

class TImageBoxes {
public:
    TImageBoxes() : saved_(ImageMessageBox) {
        Texts().clear();
        ImageMessageBox = &Collect;
    }
    ~TImageBoxes() { ImageMessageBox = saved_; }
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
    TMessageBoxFunction saved_;
};
