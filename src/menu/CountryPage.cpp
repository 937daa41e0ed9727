// The country page. Return is left latched, as the send page after it does not read it.
#include "menu/CountryPage.h"

#include "menu/MenuGlobals.h"
#include "menu/ScoreService.h"
#include "menu/TextTyping.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"

TCountryPage::TCountryPage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), edit_(BUTTON2_OUT, BUTTON2_IN),
      ok_(BUTTON1_OUT, BUTTON1_IN, "Ok") {}

void TCountryPage::Accept() {
    Country = TrimmedName(edit_.Caption());
    CurrentMenuPage = PAGE_SEND_HIGH_SCORE;
    Config->InsertHighScore();
    Config->Save(ConfigFile);
    ForceRelayout();
    PlayClickSound();
}

void TCountryPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        edit_.SetRect(window_.Rect(65, 355, 80, 55));
        if (!OnlySizeChanged()) edit_.SetCaption("");
        ok_.SetRect(window_.Rect(135, 285, 285, 255));
    }
    window_.Draw();
    window_.PrintCentred("Enter your country:", FONT_14, 45);
    std::string text = edit_.Caption();
    TypeText(text);
    edit_.SetCaption(text); // relays the box out when the text changed
    edit_.MouseOver(x, y);
    edit_.Draw();
    if (!edit_.Caption().empty()) {
        const bool ok = ok_.Activated(x, y);
        if (ok || Keys->IsPressed(KEY_RETURN)) Accept();
    }
    ok_.Draw();
}
