// The players page: one row per profile, the current one in green.
#include "menu/PlayersPage.h"

#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "menu/OptionsPage.h"
#include "settings/Configure.h"

TPlayersPage::TPlayersPage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), create_(BUTTON1_OUT, BUTTON1_IN, "Create"),
      back_(BUTTON1_OUT, BUTTON1_IN, "Back"), delete_(BUTTON1_OUT, BUTTON1_IN, "Delete") {
    profiles_.reserve(MAX_PLAYERS);
    for (int i = 0; i < MAX_PLAYERS; ++i)
        profiles_.emplace_back(BUTTON2_OUT, BUTTON2_IN);
}

void TPlayersPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        for (int i = 0; i < MAX_PLAYERS; ++i) {
            profiles_[i].SetRect(SettingsRow(window_, i));
            profiles_[i].SetCaption(Config->Players[i].Name);
        }
        create_.SetRect(window_.Rect(22, 140, 285, 255));
        back_.SetRect(window_.Rect(150, 266, 285, 255));
        delete_.SetRect(window_.Rect(275, 395, 285, 255));
    }
    window_.Draw();
    window_.PrintCentred("Players", FONT_14, 45);
    for (int i = 0; i < Config->PlayerCount; ++i) {
        profiles_[i].Selected = i == Config->CurrentPlayer;
        if (profiles_[i].Activated(x, y)) {
            Config->CurrentPlayer = i;
            PlayClickSound();
        }
        profiles_[i].Draw();
    }
    if (Config->PlayerCount < MAX_PLAYERS) {
        if (create_.Activated(x, y)) {
            PlayClickSound();
            CurrentMenuPage = PAGE_CREATE_PLAYER;
            Owner.PageAt(PAGE_CREATE_PLAYER).ForceRelayout();
        }
        create_.Draw();
    }
    if (Config->PlayerCount > 0) {
        const bool back = back_.Activated(x, y);
        if (back || EscapeUsed()) {
            PlayClickSound();
            CurrentMenuPage = PAGE_MAIN;
        }
        back_.Draw();
        if (delete_.Activated(x, y)) {
            PlayClickSound();
            CurrentMenuPage = PAGE_DELETE_PLAYER;
            Owner.PageAt(PAGE_DELETE_PLAYER).ForceRelayout();
        }
        delete_.Draw();
    }
}
