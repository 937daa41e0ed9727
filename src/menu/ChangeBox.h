// A labelled value that cycles through a list of texts: left click the next, right click the previous.
#pragma once

#include <string>
#include <vector>

#include "menu/MenuLayout.h"

class TChangeBox {
public:
    TChangeBox(std::string label, const std::string& normalPicture, const std::string& hoveredPicture);

    void AddItem(const std::string& text);
    // Keeps the first `count` items.
    void Truncate(int count);
    bool MouseOver(float x, float y);
    // Both wrap around and play the click sound.
    void SelectNext();
    void SelectPrevious();
    // The pages' per-frame rule: while hovered, a left click selects the next item and a right
    // click the previous one (both may act in one frame). True when a click acted, so the page writes the
    // value.
    bool Update(float x, float y);
    void Draw();

    void SetRect(const TRect& rect);
    int Selected() const { return selected_; }
    void Select(int index) { selected_ = index; }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& SelectedText() const { return items_.at(selected_).text; }

private:
    struct TItem {
        std::string text;
        float x = 0;
        float y = 0;
    };

    bool hovered_ = false;
    std::vector<TItem> items_;
    int selected_ = 0;
    float labelX_ = 0;
    float labelY_ = 0;
    TRect rect_;
    int hoveredTexture_;
    int normalTexture_;
    int epoch_ = -1;
    std::string label_;
};
