// Kestrova: the executable is only this; everything else is in kestrova_core.
#include "app/Engine.h"
#include "core/Error.h"
#include "platform/Platform.h"

#include <exception>

int main(int argc, char** argv) {
    platform::KeepFreedMemory();
    // The one place an error with a fixed message ends up: shown, then a non-zero exit.
    try {
        return RunGame(argc, argv);
    } catch (const EUserAbort&) {
        // The player already saw the question and chose to stop.
    } catch (const EGameError& e) {
        platform::MessageBox("Error", e.what());
    } catch (const std::exception& e) {
        platform::MessageBox("Error", e.what());
    }
    return 1;
}
