// Our pickup in the pictures, the car the game drives: orange with a white stripe, a roll bar
// behind the cab and the gunner standing in the bed.
#pragma once

class TCanvas;

// From behind, as the chase camera sees it: `width` across the tailgate, wheels on `baseY`.
void DrawPickupFromBehind(const TCanvas& c, double cx, double baseY, double width);
// From above, front up, `length` long, centred on (cx, cy).
void DrawPickupFromAbove(const TCanvas& c, double cx, double cy, double length);
