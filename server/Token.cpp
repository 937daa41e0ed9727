// Drawing handshake tokens.
#include "Token.h"

#include <sys/random.h>

#include <cerrno>
#include <stdexcept>

std::string NewToken() {
    unsigned char bits[16];
    size_t filled = 0;
    while (filled < sizeof bits) {
        const ssize_t got = getrandom(bits + filled, sizeof bits - filled, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) throw std::runtime_error("the system's random source failed");
        filled += static_cast<size_t>(got);
    }
    static const char kHex[] = "0123456789abcdef";
    std::string token;
    for (unsigned char b : bits) {
        token += kHex[b >> 4];
        token += kHex[b & 15];
    }
    return token;
}
