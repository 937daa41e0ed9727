// The confirmation window shared by the exit, pause, delete, clear, restart and lose pages:
// up to three message lines and two buttons, the second of which Escape also presses.
#pragma once

#include <array>
#include <string>

#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TConfirmPage : public TMenuPage {
public:
    void Draw(uint32_t step, float x, float y) override;

protected:
    TConfirmPage(TMenu& owner, std::array<std::string, 3> lines, const std::string& yes = "Yes",
                 const std::string& back = "Back");

    // Each is called in the frame its button is activated; they play the click sound themselves.
    virtual void OnYes() = 0;
    virtual void OnBack() = 0;
    // Other lines and captions from the next frame on; an empty `yes` hides that button.
    void Reword(std::array<std::string, 3> lines, const std::string& yes, const std::string& back);

private:
    TMenuWindow window_;
    std::array<std::string, 3> lines_;
    TButton yes_;
    TButton back_;
};
