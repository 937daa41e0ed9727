// The base of the 24 menu pages: one draw per frame, which also handles the page's input.
#pragma once

#include <cstdint>

class TMenu;

class TMenuPage {
public:
    explicit TMenuPage(TMenu& owner) : Owner(owner) {}
    virtual ~TMenuPage() = default;
    TMenuPage(const TMenuPage&) = delete;
    TMenuPage& operator=(const TMenuPage&) = delete;

    // `step` is the menu frame step in milliseconds; (x, y) the pointer in screen units.
    virtual void Draw(uint32_t step, float x, float y) = 0;
    // The next draw recomputes every position.
    void ForceRelayout() { epoch_ = -1; }

protected:
    // True once after the resolution setting or the window size changed, or a relayout was forced.
    bool LayoutChanged();
    // Whether that change was the window's size alone (the resolution setting stayed and no
    // relayout was forced): what the player has typed outlives it.
    bool OnlySizeChanged() const { return onlySize_; }

    TMenu& Owner;

private:
    int epoch_ = -1;
    int resolution_ = -1; // the resolution setting at the last layout
    bool onlySize_ = false;
};
