// The update guard.
#include "app/UpdateGuard.h"

#include <exception>

bool TUpdateGuard::Run(const std::function<void()>& update) {
    try {
        update();
        return true;
    } catch (const std::exception& error) {
        if (!logged_ && log_) log_(std::string("Game update dropped: ") + error.what());
        logged_ = true;
    } catch (...) {
        if (!logged_ && log_) log_("Game update dropped: unknown error");
        logged_ = true;
    }
    return false;
}
