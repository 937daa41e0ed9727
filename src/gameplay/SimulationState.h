// The simulation's state as bytes, for a digest that tells two runs apart frame by frame.
// What only shows (particles, tracer streaks, the trail, when the next explosion flares) is
// left out.
#pragma once

#include <cstring>
#include <string>
#include <type_traits>

#include "resources/Vector.h"

class TGameplay;

class TStateBytes {
public:
    template <typename T> void Add(T value) {
        static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
        char raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));
        bytes_.append(raw, sizeof(T));
    }
    void Add(const TVector4& v) {
        for (float f : {v.x, v.y, v.z, v.w})
            Add(f);
    }
    void Add(const std::string& text) { bytes_ += text; }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// The player, the traffic, tracers, rockets and the HUD's ammunition and bonus clocks.
void AddGameplayState(const TGameplay& gameplay, TStateBytes& state);
