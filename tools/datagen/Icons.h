// Symbols for weapons and bonuses, shared by the HUD icons and the help pictures.
#pragma once

class TCanvas;

enum class TSymbol {
    Gun,
    Uzi,
    MachineGun,
    Shotgun,
    Bazooka,
    Nitro,
    Shield,
    Ghost,
    Money,
    Rockets,
    Repair,
    Slomo,
    Time
};

// Draws the symbol filling a `size` square centred on (cx, cy).
void DrawSymbol(const TCanvas& canvas, TSymbol symbol, double cx, double cy, double size);
