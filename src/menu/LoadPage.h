// The stage loading screen: runs the mission loader, then waits for a key to start the stage.
#pragma once

#include <string>

#include "gameplay/GameState.h"
#include "menu/MenuPage.h"

// The mission file of stage `stage`: program directory + "Data\Maps\Track" + stage + ".cfg".
std::string StageMissionPath(int stage);

class TLoadPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_LOAD;
    explicit TLoadPage(TMenu& owner) : TMenuPage(owner) {}

    // Remembers the mission and shows the current profile's stage picture; the caller
    // switches to this page in the same step.
    void Prepare(const std::string& missionPath);
    void Draw(uint32_t step, float x, float y) override;

private:
    std::string missionPath_;
    bool loadPending_ = false;
};
