// The key bindings: one key edit per action, Back and Default.
#pragma once

#include <array>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/KeyEdit.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TControlsPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_CONTROLS;
    explicit TControlsPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    void StopEditing();

    TMenuWindow window_;
    std::array<TKeyEdit, 6> edits_;
    TButton back_;
    TButton default_;
};
