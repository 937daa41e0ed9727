// The menu's web addresses and their defaults.
#include "menu/Addresses.h"

#include "platform/Platform.h"

namespace {

std::string ValueOr(const char* variable, const char* fallback) {
    const std::string value = platform::EnvironmentValue(variable);
    return value.empty() ? fallback : value;
}

} // namespace

std::string HomePageAddress() {
    return ValueOr("KESTROVA_HOME_PAGE", DefaultHomePage);
}

std::string WorldTableAddress() {
    return ValueOr("KESTROVA_WORLD_TABLE", DefaultWorldTable);
}
