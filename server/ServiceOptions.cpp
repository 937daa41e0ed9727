// Reading the service's command line.
#include "ServiceOptions.h"

#include <limits>
#include <stdexcept>

const char kServiceUsage[] =
    "usage: kestrova-scores [--port=N] [--host=ADDRESS] [--database=FILE|postgresql://...]\n"
    "  [--threads=N] [--connections=N] [--handshakes-per-minute=N] [--submissions-per-minute=N]\n"
    "  [--max-request-bytes=N] [--token-lifetime=S] [--prune-interval=S] [--client-header=NAME]\n";

namespace {

int64_t Number(const std::string& option, const std::string& text, int64_t low, int64_t high) {
    size_t used = 0;
    int64_t value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || text[0] == '+' || text[0] == ' ' || value < low ||
        value > high)
        throw std::invalid_argument("bad value for " + option + ": " + text);
    return value;
}

} // namespace

TServiceOptions ParseServiceOptions(const std::vector<std::string>& args) {
    constexpr int64_t kMaxInt = std::numeric_limits<int>::max();
    TServiceOptions options;
    for (const std::string& arg : args) {
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (equals == std::string::npos) throw std::invalid_argument("unknown option: " + arg);
        const std::string value = arg.substr(equals + 1);
        if (name == "--port") {
            options.port = static_cast<int>(Number(name, value, 0, 65535));
        } else if (name == "--host") {
            if (value.empty()) throw std::invalid_argument("bad value for --host");
            options.host = value;
        } else if (name == "--database") {
            if (value.empty()) throw std::invalid_argument("bad value for --database");
            options.database = value;
        } else if (name == "--threads") {
            options.threads = static_cast<int>(Number(name, value, 1, 1024));
        } else if (name == "--connections") {
            options.connections = static_cast<int>(Number(name, value, 1, 1024));
        } else if (name == "--handshakes-per-minute") {
            options.handshakesPerMinute = static_cast<int>(Number(name, value, 0, kMaxInt));
        } else if (name == "--submissions-per-minute") {
            options.submissionsPerMinute = static_cast<int>(Number(name, value, 0, kMaxInt));
        } else if (name == "--max-request-bytes") {
            options.maxRequestBytes = static_cast<size_t>(Number(name, value, 256, kMaxInt));
        } else if (name == "--token-lifetime") {
            options.tokenLifetime = Number(name, value, 1, kMaxInt);
        } else if (name == "--prune-interval") {
            options.pruneInterval = Number(name, value, 1, kMaxInt);
        } else if (name == "--client-header") {
            options.clientHeader = value;
        } else {
            throw std::invalid_argument("unknown option: " + arg);
        }
    }
    return options;
}
