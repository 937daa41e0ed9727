// "wdata\config.ini", the exit screen's description: background, link buttons, close
// button with its countdown. Paths are relative to the program directory.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TPixelBox {
    int x = 0; // from the background picture's upper-left corner
    int y = 0;
    int w = 0;
    int h = 0;
};

struct TLastScreenLink {
    TPixelBox box;
    std::string hoveredPicture;
    std::string normalPicture;
    std::string link;
};

struct TLastScreenConfig {
    std::string background;
    std::vector<TLastScreenLink> links;
    TPixelBox close;
    std::string closeHovered;
    std::string closeNormal;
    std::string countdownBox;
    int countdownSeconds = 0;
    int red = 0, green = 0, blue = 0; // 0..255
    std::optional<int> fontHeight;    // points; absent unless the flag line is "TRUE"
};

// The file's text (CR LF or LF lines). Nothing when a line is missing or a number line does
// not hold exactly its decimal numbers separated by single spaces.
std::optional<TLastScreenConfig> ParseLastScreenConfig(const std::string& text);
