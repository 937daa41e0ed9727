// Who the client of a request is when reverse proxies stand between it and the service:
// only the proxies the operator names are believed about the addresses they forward for.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// An IPv4 or IPv6 address in 16 bytes, IPv4 mapped into IPv6 (::ffff:a.b.c.d).
using TAddress = std::array<unsigned char, 16>;

std::optional<TAddress> ParseAddress(const std::string& text);
// IPv4 addresses in dotted form, IPv6 in the shortest form.
std::string AddressText(const TAddress& address);

struct TAddressRange {
    TAddress base{};
    int prefix = 128; // leading bits of `base` an address must share
    bool Contains(const TAddress& address) const;
};

// "ADDRESS/BITS" (BITS up to 32 for IPv4, 128 for IPv6) or a single address; nothing when
// malformed.
std::optional<TAddressRange> ParseAddressRange(const std::string& text);
bool IsTrusted(const TAddress& address, const std::vector<TAddressRange>& trusted);

// The client behind a connection from `peer`: the peer itself unless it is a trusted proxy;
// else the right-most X-Forwarded-For entry that is not a trusted proxy, as every proxy
// appends the address it saw and only the entries our own proxies wrote can be believed.
// When every entry is trusted, the left-most; an entry that is no address ends the search.
std::string ClientAddress(const TAddress& peer, const std::string& forwardedFor,
                          const std::vector<TAddressRange>& trusted);
