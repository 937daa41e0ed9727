// The art direction's colours: a dusk-lit highway with one amber accent (see README.md).
#pragma once

struct TColour {
    double r, g, b, a = 1.0;
    TColour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
    TColour Mix(const TColour& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
    }
};

namespace palette {
inline constexpr TColour Night{0.035, 0.047, 0.106};      // #090C1B sky zenith, deepest shadows
inline constexpr TColour Indigo{0.110, 0.125, 0.290};     // #1C204A upper sky
inline constexpr TColour Dusk{0.345, 0.180, 0.380};       // #582E61 violet band above the horizon
inline constexpr TColour Horizon{1.000, 0.478, 0.184};    // #FF7A2F sun-down glow
inline constexpr TColour Amber{1.000, 0.624, 0.098};      // #FF9F19 the accent: edges, highlights, our car
inline constexpr TColour AmberDeep{0.710, 0.310, 0.039};  // #B54F0A accent in shade
inline constexpr TColour Cyan{0.247, 0.816, 0.878};       // #3FD0E0 information, friends, shields
inline constexpr TColour Danger{0.910, 0.196, 0.235};     // #E8323C enemies, damage, red light
inline constexpr TColour Go{0.357, 0.890, 0.478};         // #5BE37A health, green light
inline constexpr TColour Steel{0.106, 0.122, 0.161};      // #1B1F29 panel fill
inline constexpr TColour SteelLight{0.259, 0.290, 0.361}; // #424A5C panel bevel
inline constexpr TColour Chrome{0.639, 0.678, 0.757};     // #A3ADC1 metal highlights
inline constexpr TColour Asphalt{0.086, 0.090, 0.114};    // #16171D road
inline constexpr TColour Paper{0.949, 0.933, 0.902};      // #F2EEE6 body text
inline constexpr TColour CarPaint{1.000, 0.520, 0.020};   // #FF8505 our car, orange in the scene light
inline constexpr TColour White{1, 1, 1};
inline constexpr TColour Black{0, 0, 0};
} // namespace palette
