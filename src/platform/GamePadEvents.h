// The pads' part in fetching messages and keyboard snapshots (the platform layer's own use).
#pragma once

#include <SDL.h>
#include <cstdint>

namespace platform {

// Opens an arriving pad and closes a leaving one. True for every pad event, all of which the
// caller drops: the pads are read whole at each snapshot.
bool HandlePadEvent(const SDL_Event& event);
// Sets bit 7 of the codes of every held pad button, trigger and direction; Start holds Escape.
void MarkPadKeys(uint8_t state[256]);

} // namespace platform
