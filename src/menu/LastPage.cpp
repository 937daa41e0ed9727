// The exit screen.
#include "menu/LastPage.h"

#include <GL/gl.h>
#include <cmath>
#include <string>

#include "menu/Addresses.h"
#include "menu/MenuGlobals.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"

namespace {

// A loose file or an archive member.
bool DataFileExists(const std::string& path) {
    return platform::FileExists(path) || (Extractor && Extractor->FindMember(path) >= 0);
}

// The picture's upper-left w x h pixels, as drawn with row 0 at the top.
void UseUpperLeft(TButton& button, const TPixelBox& box, int texture) {
    const float width = std::max(1, TextureLib->Width(texture));
    const float height = std::max(1, TextureLib->Height(texture));
    button.SetTextureRect(0, box.h / height, box.w / width, 0);
}

} // namespace

TLastPage::TLastPage(TMenu& owner) : TMenuPage(owner) {
    const std::string file = DataPath("wdata\\config.ini");
    if (!DataFileExists(file)) return;
    const TBytes bytes = Extractor->ReadFile(file);
    const std::optional<TLastScreenConfig> config =
        ParseLastScreenConfig(std::string(bytes.begin(), bytes.end()));
    if (!config || !DataFileExists(DataPath(config->background))) return;
    Build(*config);
    enabled_ = true;
}

void TLastPage::Build(const TLastScreenConfig& config) {
    config_ = config;
    background_ = LoadMenuTexture(config.background);
    countdown_ = config.countdownSeconds * 1000;
    countdownBox_ = LoadMenuTexture(config.countdownBox);
    countdownColour_[0] = config.red / 255.0f;
    countdownColour_[1] = config.green / 255.0f;
    countdownColour_[2] = config.blue / 255.0f;
    const int points =
        config.fontHeight ? *config.fontHeight : static_cast<int>(std::lround(0.6 * config.close.h));
    countdownFont_ = Out2D->AddFont("Verdana", points);

    close_.emplace(config.closeNormal, config.closeHovered);
    links_.reserve(config.links.size());
    for (const TLastScreenLink& link : config.links)
        links_.emplace_back(link.normalPicture, link.hoveredPicture, link.link);
}

// Placing the buttons takes the pictures' sizes, so it waits until the screen shows: start-up
// need not decode them.
void TLastPage::Layout() {
    backgroundWidth_ = std::max(1, TextureLib->Width(background_));
    backgroundHeight_ = std::max(1, TextureLib->Height(background_));
    UseUpperLeft(*close_, config_.close, LoadMenuTexture(config_.closeHovered));
    close_->SetRect(ScreenRect(config_.close));
    for (size_t i = 0; i < links_.size(); ++i) {
        UseUpperLeft(links_[i], config_.links[i].box, LoadMenuTexture(config_.links[i].hoveredPicture));
        links_[i].SetRect(ScreenRect(config_.links[i].box));
    }
}

TRect TLastPage::ScreenRect(const TPixelBox& box) const {
    const auto x = [this](int pixels) { return pixels * 2.0f / backgroundWidth_ - 1; };
    const auto y = [this](int pixels) { return 1 - pixels * 2.0f / backgroundHeight_; };
    return {x(box.x), y(box.y + box.h), x(box.x + box.w), y(box.y)};
}

void TLastPage::Draw(uint32_t step, float x, float y) {
    if (!enabled_) {
        QuitFlag = true;
        return;
    }
    if (firstFrame_) {
        firstFrame_ = false;
        Layout();
    }
    countdown_ -= static_cast<int>(step);
    Out2D->DrawTexturedQuad(background_, -1, -1, 1, 1, 0, 0, 1, 1);
    TButton& close = *close_;
    if (countdown_ >= 1) {
        const TRect& box = close.Rect();
        Out2D->DrawTexturedQuad(countdownBox_, box.x1, box.y1, box.x2, box.y2, 0, 1, 1, 0);
        const std::string seconds = std::to_string(countdown_ / 1000);
        const float width = PixelsX(MeasureText(countdownFont_, seconds).w);
        PrintColoured(seconds, countdownFont_, box.x1 + (box.x2 - box.x1 - width) / 2,
                      box.y1 + 0.2f * (box.y2 - box.y1), countdownColour_[0], countdownColour_[1],
                      countdownColour_[2]);
    } else {
        if (close.Activated(x, y)) {
            enabled_ = false;
            QuitFlag = true;
            PlayClickSound();
        }
        close.Draw();
    }
    for (TLastScreenButton& button : links_) {
        if (button.Activated(x, y)) {
            if (!button.Link.empty()) platform::OpenAddress(LinkAddress(button.Link));
            PlayClickSound();
        }
        button.Draw();
    }
}
