// The player's score: the current value and the one the HUD shows, which counts up to it.
#pragma once

class TScore {
public:
    int Current() const { return current_; }
    void SetCurrent(int score) { current_ = score; }
    void Add(int points) { current_ += points; }
    int Displayed() const { return displayed_; }
    void ResetDisplayed() { displayed_ = 0; }
    // Moves the displayed score towards the current one by 2 points per ms, never past it.
    void Animate(int dt);

private:
    int current_ = 0;
    int displayed_ = 0;
};
