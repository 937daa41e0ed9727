// The player's screenshot key: F12 saves the frame as a PNG in the pictures folder and shows
// the file's name for two seconds. An action bound to F12 takes the key instead.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

constexpr int ScreenshotKeyCode = 123; // F12

class TScreenshotKey {
public:
    // After the frame is drawn (so a key bound on the Controls page in this frame counts),
    // before the notice: saves the back buffer once per press.
    void Update(uint32_t now);
    // The saved file's name (or why there is none) over the frame's lower left corner.
    void DrawNotice(uint32_t now) const;

private:
    bool wasDown_ = false;
    std::string notice_;
    uint32_t noticeStart_ = 0;
};

// "2026-12-06_23-40-12.png" in `folder`, or with "-2", "-3" ... before ".png" when a picture of
// the same second is already there.
std::string ScreenshotPath(const std::string& folder, const std::tm& localTime);
