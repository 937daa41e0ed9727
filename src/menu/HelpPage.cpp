// The help page. The pictures are drawn pixel for pixel, hence nearest filtering.
#include "menu/HelpPage.h"

#include <GL/gl.h>
#include <string>

#include "menu/MenuGlobals.h"
#include "resources/DataPath.h"
#include "resources/TextureLib.h"

THelpPage::THelpPage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::Large()), back_(BUTTON1_OUT, BUTTON1_IN, "Back"),
      previous_(BUTTON1_OUT, BUTTON1_IN, "Previous"), next_(BUTTON1_OUT, BUTTON1_IN, "Next") {
    for (int i = 1; i <= PictureCount; ++i)
        pictures_.emplace_back(TextureLib->Load(DataPath("Data\\Menu\\Help" + std::to_string(i) + ".png"),
                                                GL_NEAREST, GL_NEAREST));
}

void THelpPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        for (TTextWindow& picture : pictures_)
            picture.SetRect(PixelRect(-213, -148, 202, 167));
        previous_.SetRect(window_.Rect(22, 140, 285, 255));
        back_.SetRect(window_.Rect(150, 266, 285, 255));
        next_.SetRect(window_.Rect(275, 395, 285, 255));
    }
    window_.Draw();
    const std::string title = "Help";
    PrintYellow(title, FONT_14, window_.CentredX(title, FONT_14, 412), window_.Y(45));
    pictures_[current_].Draw();
    const bool back = back_.Activated(x, y);
    if (back || EscapeUsed()) {
        PlayClickSound();
        CurrentMenuPage = PAGE_MAIN;
    }
    back_.Draw();
    if (previous_.Activated(x, y)) {
        PlayClickSound();
        current_ = (current_ + PictureCount - 1) % PictureCount;
        ForceRelayout();
    }
    previous_.Draw();
    if (next_.Activated(x, y)) {
        PlayClickSound();
        current_ = (current_ + 1) % PictureCount;
        ForceRelayout();
    }
    next_.Draw();
}
