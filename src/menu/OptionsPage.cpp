// The settings menu; its title is white, not yellow.
#include "menu/OptionsPage.h"

#include "menu/MenuGlobals.h"

TRect SettingsRow(const TMenuWindow& window, int row) {
    return window.Rect(65, 355, 80 + 32 * row, 55 + 32 * row);
}

TOptionsPage::TOptionsPage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), graphics_(BUTTON2_OUT, BUTTON2_IN, "Graphics"),
      sound_(BUTTON2_OUT, BUTTON2_IN, "Sound"), controls_(BUTTON2_OUT, BUTTON2_IN, "Controls"),
      back_(BUTTON1_OUT, BUTTON1_IN, "Back") {}

void TOptionsPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        graphics_.SetRect(SettingsRow(window_, 0));
        sound_.SetRect(SettingsRow(window_, 1));
        controls_.SetRect(SettingsRow(window_, 2));
        back_.SetRect(window_.Rect(150, 266, 285, 255));
    }
    window_.Draw();
    const std::string title = "Options";
    PrintColoured(title, FONT_14, window_.CentredX(title, FONT_14), window_.Y(45), 1, 1, 1);
    struct TLink {
        TButton& button;
        int page;
    };
    for (const TLink& link :
         {TLink{graphics_, PAGE_VIEW}, TLink{sound_, PAGE_SOUND}, TLink{controls_, PAGE_CONTROLS}}) {
        if (link.button.Activated(x, y)) {
            PlayClickSound();
            CurrentMenuPage = link.page;
        }
        link.button.Draw();
    }
    const bool back = back_.Activated(x, y);
    if (back || EscapeUsed()) {
        PlayClickSound();
        CurrentMenuPage = PAGE_MAIN;
    }
    back_.Draw();
}
