// The menu: every page, the shared menu pictures and sounds, and one frame of the menu
// (background, title, the current page, the pointer).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

#include "menu/MenuPage.h"

class TStageHost;
struct TMenuScreen;

constexpr int PAGE_COUNT = 24;

class TMenu {
public:
    // Creates the 24 pages in page order, chooses the first page and loads the sounds.
    // Needs the configuration, the keys and the texture and sound libraries.
    explicit TMenu(TStageHost& stage);
    ~TMenu();
    // The first page's own pictures, decoded while the libraries load, before the menu is made.
    static void DecodePicturesAhead();

    // One menu frame with the unscaled frame step, on the window as it stands.
    void Draw(uint32_t step, const TMenuScreen& screen);
    TMenuPage& PageAt(int number) { return *pages_.at(number); }
    // The menu music's sample; the frame loop plays it.
    int Music() const { return music_; }

    TStageHost& Stage;

private:
    template <size_t... Numbers> void CreatePages(std::index_sequence<Numbers...>);

    float pointerX_ = 0;
    float pointerY_ = 0;
    int title_;
    int splash_;
    int pointerIn_;
    int pointerOut_;
    int music_ = 0;
    std::array<std::unique_ptr<TMenuPage>, PAGE_COUNT> pages_;
};

extern TMenu* Menu;
