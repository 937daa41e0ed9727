// Reading the service's command line.
#include "ServiceOptions.h"

#include <limits>
#include <optional>
#include <stdexcept>

const char kServiceUsage[] =
    "usage: kestrova-scores [OPTION=VALUE]...\n"
    "The world high-score service of Kestrova (defaults in brackets).\n"
    "  --host=ADDRESS                  address to listen on [0.0.0.0]\n"
    "  --port=N                        port to listen on, 0: any free one [8077]\n"
    "  --database=FILE|postgresql://...  SQLite file or PostgreSQL database [kestrova-scores.db]\n"
    "  --threads=N                     threads serving requests [32]\n"
    "  --connections=N                 PostgreSQL connections [8]\n"
    "  --handshakes-per-minute=N       per client address, 0: no limit [30]\n"
    "  --submissions-per-minute=N      per client address, 0: no limit [10]\n"
    "  --max-request-bytes=N           request line, headers and body [4096]\n"
    "  --request-timeout=S             time for a whole request to arrive [10]\n"
    "  --connections-per-address=N     open at once from one address, 0: no cap [16]\n"
    "  --trusted-proxy=CIDR            a proxy whose X-Forwarded-For is believed (repeatable)\n"
    "  --token-lifetime=S              how long a handshake's token is valid [600]\n"
    "  --prune-interval=S              seconds between removals of what has expired [60]\n"
    "  --help                          this text\n";

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
        if (arg == "--help") {
            options.help = true;
            continue;
        }
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
            options.maxRequestBytes = static_cast<size_t>(Number(name, value, 256, 1 << 20));
        } else if (name == "--token-lifetime") {
            options.tokenLifetime = Number(name, value, 1, kMaxInt);
        } else if (name == "--prune-interval") {
            options.pruneInterval = Number(name, value, 1, kMaxInt);
        } else if (name == "--request-timeout") {
            options.requestTimeout = static_cast<int>(Number(name, value, 1, 3600));
        } else if (name == "--connections-per-address") {
            options.connectionsPerAddress = static_cast<int>(Number(name, value, 0, kMaxInt));
        } else if (name == "--trusted-proxy") {
            const std::optional<TAddressRange> range = ParseAddressRange(value);
            if (!range) throw std::invalid_argument("bad value for --trusted-proxy: " + value);
            options.trustedProxies.push_back(*range);
        } else {
            throw std::invalid_argument("unknown option: " + arg);
        }
    }
    return options;
}
