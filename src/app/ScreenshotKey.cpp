// The screenshot key: one picture per press, named by the local date and time.
#include "app/ScreenshotKey.h"

#include "app/Globals.h"
#include "app/Screenshot.h"
#include "platform/FileSystem.h"
#include "resources/Out2D.h"
#include "settings/KeyControl.h"

#include <GL/gl.h>
#include <cstdio>

namespace {

constexpr uint32_t NoticeTime = 2000;
constexpr int NoticeMargin = 8;
constexpr int NoticePadding = 4;

} // namespace

std::string ScreenshotPath(const std::string& folder, const std::tm& localTime) {
    char stamp[32];
    std::strftime(stamp, sizeof(stamp), "%Y-%m-%d_%H-%M-%S", &localTime);
    std::string path = folder + stamp + ".png";
    for (int n = 2; platform::FileExists(path); ++n)
        path = folder + stamp + "-" + std::to_string(n) + ".png";
    return path;
}

void TScreenshotKey::Update(uint32_t now) {
    const bool down = Keys->IsDown(ScreenshotKeyCode);
    const bool pressed = down && !wasDown_;
    wasDown_ = down;
    if (!pressed || Keys->BoundToAction(ScreenshotKeyCode)) return;

    const std::string folder = platform::ScreenshotDirectory();
    const std::time_t clock = std::time(nullptr);
    const std::string path = folder.empty() ? "" : ScreenshotPath(folder, *std::localtime(&clock));
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (!path.empty() && SaveScreenshot(path, Viewport.width, Viewport.height)) {
        notice_ = name;
    } else {
        notice_ = folder.empty() ? "No pictures folder for the screenshot" : "Could not save " + name;
        std::fprintf(stderr, "%s\n", notice_.c_str());
    }
    noticeStart_ = now;
}

void TScreenshotKey::DrawNotice(uint32_t now) const {
    if (notice_.empty() || now - noticeStart_ >= NoticeTime) return;
    glViewport(Viewport.x, Viewport.y, Viewport.width, Viewport.height);
    UseDeviceCoordinates();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    Out2D->SelectFont(FONT_13);
    const float margin = NoticeMargin * Out2D->Scale(), padding = NoticePadding * Out2D->Scale();
    const float x1 = -1 + margin * PixelScaleX;
    const float y1 = -1 + margin * PixelScaleY;
    const float x2 = x1 + (Out2D->TextWidth(notice_) + 2 * padding) * PixelScaleX;
    const float y2 = y1 + (Out2D->TextHeight() + 2 * padding) * PixelScaleY;
    glColor4f(0, 0, 0, 0.6f);
    Out2D->DrawQuad(x1, y1, x2, y2);
    glColor4f(1, 1, 1, 1);
    Out2D->PrintText(notice_, FONT_13, x1 + padding * PixelScaleX,
                     y1 + (padding + Out2D->TextHeight() / 4) * PixelScaleY);
    glEnable(GL_TEXTURE_2D);
}
