// Shows the two keys bound to one action and, once clicked, binds the next key pressed.
#pragma once

#include <cstdint>
#include <string>

#include "menu/MenuLayout.h"

class TKeyEdit {
public:
    TKeyEdit(int action, std::string label, const std::string& normalPicture,
             const std::string& hoveredPicture);

    // Hover test, then the key capture while editing. True when a left click started
    // editing in this frame.
    bool Update(float x, float y);
    void Draw(uint32_t step);

    void StartEditing();
    void StopEditing() { editing_ = false; }
    bool Editing() const { return editing_; }
    void SetRect(const TRect& rect);
    void ForceRelayout() { epoch_ = -1; }
    const std::string& KeysText() const { return keysText_; }

private:
    void CaptureKey();

    bool editing_ = false;
    bool hovered_ = false;
    int action_;
    std::string label_;
    float labelX_ = 0;
    std::string keysText_;
    float keysTextX_ = 0;
    float textY_ = 0;
    TRect rect_;
    int hoveredTexture_;
    int normalTexture_;
    int epoch_ = -1;
    int32_t blinkTimer_ = 0;
};

// The names of an action's keys as the controls page shows them: "Up or W", or one name
// when only one key is bound or both are the same, "NONE" when none is.
std::string BoundKeysText(int first, int second);
