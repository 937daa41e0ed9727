// The final page. The key stays latched: a letter becomes the first one typed on the country page.
#include "menu/FinalPage.h"

#include "menu/MenuLayout.h"
#include "settings/KeyControl.h"

TFinalPage::TFinalPage(TMenu& owner) : TMenuPage(owner), final_(LoadMenuTexture("Data\\Menu\\Final.jpg")) {}

void TFinalPage::Draw(uint32_t, float, float) {
    DrawFullScreenPicture(final_);
    if (Keys->AnyPressed()) CurrentMenuPage = PAGE_COUNTRY;
}
