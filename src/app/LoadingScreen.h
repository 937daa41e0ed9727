// The picture shown while the libraries load: the logo and "...loading...".
#pragma once

// Needs the texture library and the 2D output; the caller swaps the buffers.
void DrawLoadingScreen();
