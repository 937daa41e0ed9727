// The stage loading screen: the stage's picture over the whole screen and a pulsing line,
// "...loading..." while the stage loads and "Press any key..." once it may start.
#pragma once

// `swap`: show the picture at once (the mission loader redraws it while it works).
void DrawLoadingScreen(bool swap, bool showText);
