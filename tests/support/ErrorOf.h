// The message a call raises, for tests that check the game's fixed error texts.
#pragma once

#include "core/Error.h"

#include <string>

// The EGameError message `call` raises, or "no error".
template <typename F> std::string ErrorOf(F&& call) {
    try {
        call();
    } catch (const EGameError& error) {
        return error.what();
    }
    return "no error";
}
