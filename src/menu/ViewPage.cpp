// The graphics page.
#include "menu/ViewPage.h"

#include <cmath>

#include "menu/MenuGlobals.h"
#include "menu/MenuScreen.h"
#include "menu/OptionsPage.h"
#include "settings/Configure.h"
#include "settings/ScreenSizes.h"

namespace {

// The fixed scales offered, then "Auto".
constexpr float kScales[] = {1, 0.9f, 0.8f, 0.75f, 0.7f, 0.6f, 0.5f};
constexpr int kAutomaticIndex = sizeof kScales / sizeof kScales[0];
constexpr int RESOLUTION_ITEMS = 4; // the three sizes and "Desktop"

TChangeBox Box(const char* label, std::initializer_list<const char*> items) {
    TChangeBox box(label, BUTTON2_OUT, BUTTON2_IN);
    for (const char* item : items)
        box.AddItem(item);
    return box;
}

} // namespace

int BrightnessIndex(float brightness) {
    return static_cast<int>(std::lround(brightness * 55));
}

float BrightnessOf(int index) {
    return index / 55.0f;
}

int RenderScaleIndex(const TRenderScaleSetting& setting) {
    for (int index = 0; index <= kAutomaticIndex; ++index)
        if (RenderScaleOf(index) == setting) return index;
    return -1;
}

TRenderScaleSetting RenderScaleOf(int index) {
    if (index == kAutomaticIndex) return {true, 1};
    return {false, kScales[index]};
}

TViewPage::TViewPage(TMenu& owner)
    : TMenuPage(owner),
      window_(TMenuWindow::Large()), boxes_{Box("Resolution:",
                                                {"800x600", "1024x768", "1280x1024", "Desktop"}),
                                            Box("Color Depth:", {"16", "32"}),
                                            Box("Shaders:", {"Off", "On"}),
                                            Box("Fullscreen:", {"Off", "On"}),
                                            Box("Brightness:",
                                                {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90"}),
                                            Box("Shadow:", {"Off", "On"}),
                                            Box("Render Scale:",
                                                {"1", "0.9", "0.8", "0.75", "0.7", "0.6", "0.5", "Auto"})},
      apply_(BUTTON1_OUT, BUTTON1_IN, "Apply"), back_(BUTTON1_OUT, BUTTON1_IN, "Back") {
    boxes_[RESOLUTION].Select(Config->Resolution);
    boxes_[DEPTH].Select((Config->ColourDepth - 16) / 16);
    boxes_[SHADERS].Select(Config->Shaders ? 1 : 0);
    boxes_[FULL_SCREEN].Select(Config->FullScreen ? 1 : 0);
    boxes_[BRIGHTNESS].Select(BrightnessIndex(Config->Brightness));
    boxes_[SHADOWS].Select(Config->Shadows ? 1 : 0);
    boxes_[RENDER_SCALE].Select(RenderScaleIndex(Additions->RenderScale));
    // A value no box offers (a resolution only the command line gives, a hand-edited
    // file) shows the first item rather than indexing outside the list.
    for (TChangeBox& box : boxes_)
        if (box.Selected() < 0 || box.Selected() >= box.Count()) box.Select(0);
    Config->PendingResolution = Config->Resolution;
    Config->PendingFullScreen = Config->FullScreen;
}

void TViewPage::Apply(int box) {
    const int index = boxes_[box].Selected();
    switch (box) {
    // The window's own size, no setting's, keeps the setting.
    case RESOLUTION: Config->PendingResolution = index < RESOLUTION_ITEMS ? index : Config->Resolution; break;
    case DEPTH: Config->ColourDepth = index * 16 + 16; break;
    case SHADERS: Config->Shaders = index == 1; break;
    case FULL_SCREEN: Config->PendingFullScreen = index == 1; break;
    case BRIGHTNESS: Config->Brightness = BrightnessOf(index); break;
    case SHADOWS: Config->Shadows = index == 1; break;
    case RENDER_SCALE: Additions->RenderScale = RenderScaleOf(index); break;
    }
}

// Once the window has changed its size (dragged, maximised), the Resolution box shows the size the
// game has now: the setting of that size (the current one first), else the size itself as one more
// item, which leaves the setting as it is.
void TViewPage::ShowWindowSize() {
    if (shownSizeChanges_ == WindowSizeChanges()) return;
    shownSizeChanges_ = WindowSizeChanges();
    const platform::TPoint size{MenuScreen.viewportWidth, MenuScreen.viewportHeight};
    TChangeBox& box = boxes_[RESOLUTION];
    box.Truncate(RESOLUTION_ITEMS);
    const platform::TPoint current = ResolutionSize(Config->Resolution);
    const platform::TPoint desktop = platform::DesktopSize();
    if (size.x == current.x && size.y == current.y) {
        box.Select(Config->Resolution);
    } else if (ListedResolutionOf(size.x, size.y) >= 0) {
        box.Select(ListedResolutionOf(size.x, size.y));
    } else if (size.x == desktop.x && size.y == desktop.y) {
        box.Select(DESKTOP_RESOLUTION);
    } else {
        box.AddItem(std::to_string(size.x) + "x" + std::to_string(size.y));
        box.Select(RESOLUTION_ITEMS);
    }
    Apply(RESOLUTION);
}

void TViewPage::Draw(uint32_t, float x, float y) {
    ShowWindowSize();
    if (LayoutChanged()) {
        window_.Relayout();
        for (int box = 0; box < RENDER_SCALE; ++box)
            boxes_[box].SetRect(SettingsRow(window_, box));
        // The window has no row free above its buttons: the addition stands just below it.
        boxes_[RENDER_SCALE].SetRect(window_.Rect(65, 355, 350, 325));
        apply_.SetRect(window_.Rect(65, 180, 285, 255));
        back_.SetRect(window_.Rect(240, 355, 285, 255));
    }
    window_.Draw();
    window_.PrintCentred("Graphics", FONT_14, 45);
    for (int box = 0; box < BOX_COUNT; ++box) {
        if (boxes_[box].Update(x, y)) Apply(box);
        boxes_[box].Draw();
    }
    if (apply_.Activated(x, y)) {
        PlayClickSound();
        CurrentMenuPage = PAGE_RESTART;
    }
    apply_.Draw();
    const bool back = back_.Activated(x, y);
    if (back || EscapeUsed()) {
        PlayClickSound();
        CurrentMenuPage = PAGE_OPTIONS;
    }
    back_.Draw();
}
