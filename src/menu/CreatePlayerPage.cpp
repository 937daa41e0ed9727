// Creating a profile. With no profile at all the page can only be left by creating one.
#include "menu/CreatePlayerPage.h"

#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "menu/TextTyping.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"

TCreatePlayerPage::TCreatePlayerPage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), edit_(BUTTON2_OUT, BUTTON2_IN),
      ok_(BUTTON1_OUT, BUTTON1_IN, "Ok"), back_(BUTTON1_OUT, BUTTON1_IN, "Back") {}

void TCreatePlayerPage::Accept() {
    const std::string name = TrimmedName(edit_.Caption());
    if (name.empty() || Config->PlayerCount >= MAX_PLAYERS) return;
    TGamePlayer profile;
    profile.Name = name;
    Config->Players[Config->PlayerCount] = profile;
    Config->CurrentPlayer = Config->PlayerCount;
    Config->PlayerCount += 1;
    CurrentMenuPage = PAGE_MAIN;
    ForceRelayout();
    Owner.PageAt(PAGE_PLAYERS).ForceRelayout();
    PlayClickSound();
}

void TCreatePlayerPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        edit_.SetRect(window_.Rect(65, 355, 80, 55));
        if (!OnlySizeChanged()) edit_.SetCaption("");
        ok_.SetRect(window_.Rect(65, 180, 285, 255));
        back_.SetRect(window_.Rect(240, 355, 285, 255));
    }
    window_.Draw();
    window_.PrintCentred("Please enter your nick name:", FONT_14, 45);
    std::string name = edit_.Caption();
    TypeText(name);
    edit_.SetCaption(name);
    edit_.MouseOver(x, y);
    edit_.Draw();
    const bool ok = ok_.Activated(x, y);
    if (ok || Keys->IsPressed(KEY_RETURN)) Accept();
    ok_.Draw();
    if (Config->PlayerCount > 0) {
        const bool back = back_.Activated(x, y);
        if (back || EscapeUsed()) {
            PlayClickSound();
            CurrentMenuPage = PAGE_MAIN;
            ForceRelayout();
        }
        back_.Draw();
    }
}
