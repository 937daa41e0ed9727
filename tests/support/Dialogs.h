// Catches the game's message boxes and Yes/No questions for the life of one object, then
// puts the previous catcher (or the real dialogs) back.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/Platform.h"

class TDialogCatcher {
public:
    using TOnMessage = std::function<void(const std::string& caption, const std::string& text)>;
    using TOnQuestion = std::function<bool(const std::string& caption, const std::string& text)>;

    // A kind without a handler goes on to the catcher before this one; with none, a message
    // is dropped and a question answered No.
    explicit TDialogCatcher(TOnMessage onMessage, TOnQuestion onQuestion = {}) {
        saved_ = platform::SetDialogHook(
            [this, onMessage = std::move(onMessage), onQuestion = std::move(onQuestion)](
                const std::string& caption, const std::string& text, bool question) {
                if (question && onQuestion) return onQuestion(caption, text);
                if (!question && onMessage) {
                    onMessage(caption, text);
                    return false;
                }
                return saved_ ? saved_(caption, text, question) : false;
            });
    }
    ~TDialogCatcher() { platform::SetDialogHook(std::move(saved_)); }
    TDialogCatcher(const TDialogCatcher&) = delete;
    TDialogCatcher& operator=(const TDialogCatcher&) = delete;

private:
    platform::TDialogHook saved_;
};
