// Tests that open windows must never wait for a person: message boxes go to stderr and
// sound stays silent, for these binaries and every game process they start.
#include <cstdlib>

namespace {
const bool environmentSet = [] {
    setenv("KESTROVA_DIALOGS", "stderr", 1);
    setenv("KESTROVA_AUDIO", "none", 1);
    return true;
}();
} // namespace
