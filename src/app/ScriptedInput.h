// Scripted input for tests and demos: replaces the polled keyboard, mouse buttons and
// pointer, and can send the window's close request, a quit message, pointer movements or a
// restart.
//
// One line per change, "FRAME ITEM...", frames counted from 1; '#' starts a comment.
//   keys=13,27      virtual keys held down from this frame on (keys= releases all)
//   pointer=X,Y     pointer position in client pixels from this frame on
//   close | quit | restart   sent once, at this frame
//   motion=N        N pointer movements queued at once, as a fast mouse sends them
//   resize=WxH      the window is resized to W x H client pixels, as by dragging its frame
//   step=MS         every frame from this one on takes MS ms of real time (0 .. 1000)
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

struct TScriptedFrame {
    bool setsKeys = false;
    std::vector<int> keys;
    bool setsPointer = false;
    platform::TPoint pointer;
    bool close = false;
    bool quit = false;
    bool restart = false;
    int motion = 0;
    std::optional<platform::TPoint> resize;
    std::optional<uint32_t> step;
};

class TScriptedInput {
public:
    // Raises EGameError naming the file and line for anything it cannot read.
    static TScriptedInput Parse(const std::string& text, const std::string& fileName);

    // The state held at `frame`, as a keyboard snapshot and pointer, and that frame's events.
    void Apply(uint64_t frame, uint8_t keys[256], platform::TPoint& pointer) const;
    const TScriptedFrame* EventsAt(uint64_t frame) const;
    // The real time the script gives `frame`; none: as measured.
    std::optional<uint32_t> StepAt(uint64_t frame) const;

private:
    std::map<uint64_t, TScriptedFrame> frames_;
};
