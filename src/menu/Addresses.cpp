// The menu's web addresses and their defaults.
#include "menu/Addresses.h"

#include "menu/ScoreService.h"
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
    return ScoreAddresses(ScoreServiceBase).table;
}

std::string LinkAddress(const std::string& link) {
    return link == DefaultWorldTable ? WorldTableAddress() : link;
}
