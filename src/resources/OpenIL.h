// The DevIL image library, which decodes the game's PNG pictures.
#pragma once

// Must run once before the first PNG is loaded (start-up step "Init IL").
void InitIL();
