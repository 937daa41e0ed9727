// The controls page: at most one key edit waits for a key at a time.
#include "menu/ControlsPage.h"

#include "menu/MenuGlobals.h"
#include "menu/OptionsPage.h"
#include "settings/KeyControl.h"

TControlsPage::TControlsPage(TMenu& owner)
    : TMenuPage(owner),
      window_(TMenuWindow::Large()), edits_{TKeyEdit(KP_LEFT, "Left", BUTTON2_OUT, BUTTON2_IN),
                                            TKeyEdit(KP_RIGHT, "Right", BUTTON2_OUT, BUTTON2_IN),
                                            TKeyEdit(KP_FORWARD, "Accelerate", BUTTON2_OUT, BUTTON2_IN),
                                            TKeyEdit(KP_BACKWARD, "Brake", BUTTON2_OUT, BUTTON2_IN),
                                            TKeyEdit(KP_SHOOT, "Gun", BUTTON2_OUT, BUTTON2_IN),
                                            TKeyEdit(KP_MISSILE, "Missile", BUTTON2_OUT, BUTTON2_IN)},
      back_(BUTTON1_OUT, BUTTON1_IN, "Back"), default_(BUTTON1_OUT, BUTTON1_IN, "Default") {}

void TControlsPage::StopEditing() {
    for (TKeyEdit& edit : edits_)
        edit.StopEditing();
}

void TControlsPage::Draw(uint32_t step, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        for (size_t row = 0; row < edits_.size(); ++row)
            edits_[row].SetRect(SettingsRow(window_, static_cast<int>(row)));
        back_.SetRect(window_.Rect(65, 180, 285, 255));
        default_.SetRect(window_.Rect(240, 355, 285, 255));
    }
    window_.Draw();
    window_.PrintCentred("Controls", FONT_14, 45);
    for (TKeyEdit& edit : edits_) {
        if (edit.Update(x, y)) {
            StopEditing();
            edit.StartEditing();
            PlayClickSound();
        }
        edit.Draw(step);
    }
    const bool back = back_.Activated(x, y);
    if (back || EscapeUsed()) {
        StopEditing();
        CurrentMenuPage = PAGE_OPTIONS;
        PlayClickSound();
    }
    back_.Draw();
    if (default_.Activated(x, y)) {
        StopEditing();
        for (TKeyEdit& edit : edits_)
            edit.ForceRelayout();
        Keys->Bindings = KeySettingsDefaults();
        PlayClickSound();
    }
    default_.Draw();
}
