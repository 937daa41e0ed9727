// Address ranges and the client behind trusted proxies.
#include "ClientAddress.h"

#include <arpa/inet.h>

#include <cstring>

namespace {

constexpr unsigned char kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};

bool IsMapped(const TAddress& address) {
    return std::memcmp(address.data(), kMappedPrefix, sizeof kMappedPrefix) == 0;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<TAddress> ParseAddress(const std::string& text) {
    TAddress address{};
    if (inet_pton(AF_INET6, text.c_str(), address.data()) == 1) return address;
    std::memcpy(address.data(), kMappedPrefix, sizeof kMappedPrefix);
    if (inet_pton(AF_INET, text.c_str(), address.data() + 12) == 1) return address;
    return std::nullopt;
}

std::string AddressText(const TAddress& address) {
    char text[INET6_ADDRSTRLEN];
    if (IsMapped(address)) return inet_ntop(AF_INET, address.data() + 12, text, sizeof text);
    return inet_ntop(AF_INET6, address.data(), text, sizeof text);
}

bool TAddressRange::Contains(const TAddress& address) const {
    const int whole = prefix / 8;
    if (std::memcmp(address.data(), base.data(), whole) != 0) return false;
    const int rest = prefix % 8;
    if (rest == 0) return true;
    const unsigned char mask = static_cast<unsigned char>(0xFF << (8 - rest));
    return (address[whole] & mask) == (base[whole] & mask);
}

std::optional<TAddressRange> ParseAddressRange(const std::string& text) {
    const size_t slash = text.find('/');
    const std::optional<TAddress> base = ParseAddress(text.substr(0, slash));
    if (!base) return std::nullopt;
    const int width = IsMapped(*base) && text.find(':') == std::string::npos ? 32 : 128;
    TAddressRange range{*base, 128};
    if (slash == std::string::npos) return range;
    const std::string bits = text.substr(slash + 1);
    if (bits.empty() || bits.size() > 3 || bits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int prefix = std::stoi(bits);
    if (prefix > width) return std::nullopt;
    range.prefix = prefix + 128 - width;
    return range;
}

bool IsTrusted(const TAddress& address, const std::vector<TAddressRange>& trusted) {
    for (const TAddressRange& range : trusted)
        if (range.Contains(address)) return true;
    return false;
}

std::string ClientAddress(const TAddress& peer, const std::string& forwardedFor,
                          const std::vector<TAddressRange>& trusted) {
    TAddress client = peer;
    size_t end = forwardedFor.size();
    while (IsTrusted(client, trusted) && end != std::string::npos && end > 0) {
        const size_t comma = forwardedFor.rfind(',', end - 1);
        const size_t start = comma == std::string::npos ? 0 : comma + 1;
        const std::optional<TAddress> entry = ParseAddress(Trimmed(forwardedFor.substr(start, end - start)));
        if (!entry) break;
        client = *entry;
        end = comma;
    }
    return AddressText(client);
}
