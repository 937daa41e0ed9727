// The high-score page. Rows are centred on their columns, so they are measured as they print.
#include "menu/HighScorePage.h"

#include <string>

#include "menu/Addresses.h"
#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "platform/Platform.h"
#include "settings/Configure.h"

namespace {

// x that centres `text` on `centre`.
float CentredOn(float centre, const std::string& text) {
    return centre - PixelsX(MeasureText(FONT_11, text).w) / 2;
}

} // namespace

THighScorePage::THighScorePage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), header_(BUTTON2_OUT, BUTTON2_IN),
      clear_(BUTTON1_OUT, BUTTON1_IN, "Clear High Score", FONT_8), back_(BUTTON1_OUT, BUTTON1_IN, "Back"),
      world_(BUTTON1_OUT, BUTTON1_IN, "World's High Score", FONT_8) {}

void THighScorePage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        header_.SetRect(window_.Rect(65, 355, 80, 55));
        clear_.SetRect(window_.Rect(22, 140, 285, 255));
        back_.SetRect(window_.Rect(150, 266, 285, 255));
        world_.SetRect(window_.Rect(275, 395, 285, 255));
        const TTextExtent score = MeasureText(FONT_11, "Score");
        headerY_ = window_.Y(55 + (25 + score.h / 2.0f) / 2);
        scoreHeaderX_ = window_.X(344) - PixelsX(score.w);
        rowHeight_ = score.h;
    }
    window_.Draw();
    window_.PrintCentred("High Score", FONT_14, 45);
    header_.Draw();
    PrintYellow("Place", FONT_11, window_.X(80), headerY_);
    PrintYellow("Name", FONT_11, window_.CentredX("Name", FONT_11), headerY_);
    PrintYellow("Score", FONT_11, scoreHeaderX_, headerY_);
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i) {
        const float rowY = window_.Y(94 + i * (rowHeight_ - 2));
        const std::string place = std::to_string(i + 1);
        const THighScore& entry = Config->HighScores[i];
        PrintColoured(place, FONT_11, CentredOn(window_.X(105), place), rowY, 1, 1, 1);
        PrintColoured(entry.Name, FONT_11, window_.CentredX(entry.Name, FONT_11), rowY, 1, 1, 1);
        PrintColoured(entry.Score, FONT_11, CentredOn(scoreHeaderX_ + PixelsX(22), entry.Score), rowY, 1, 1,
                      1);
    }
    if (clear_.Activated(x, y)) {
        PlayClickSound();
        CurrentMenuPage = PAGE_CLEAR_HIGH_SCORES;
        Owner.PageAt(PAGE_CLEAR_HIGH_SCORES).ForceRelayout();
    }
    clear_.Draw();
    const bool back = back_.Activated(x, y);
    if (back || EscapeUsed()) {
        PlayClickSound();
        CurrentMenuPage = PAGE_MAIN;
    }
    back_.Draw();
    if (world_.Activated(x, y)) {
        PlayClickSound();
        platform::OpenAddress(WorldTableAddress());
    }
    world_.Draw();
}
