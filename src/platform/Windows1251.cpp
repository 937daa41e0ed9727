// Windows-1251 to Unicode through iconv, once, as a table of the 128 upper codes.
#include "platform/Windows1251.h"

#include <array>
#include <iconv.h>

namespace platform {

namespace {

const std::array<uint32_t, 256>& CodePoints() {
    static const std::array<uint32_t, 256> points = [] {
        std::array<uint32_t, 256> table{};
        for (uint32_t code = 0; code < 128; ++code)
            table[code] = code;
        iconv_t convert = iconv_open("UTF-32LE", "CP1251");
        if (convert == reinterpret_cast<iconv_t>(-1)) return table;
        for (uint32_t code = 128; code < 256; ++code) {
            char in = static_cast<char>(code);
            uint8_t out[4] = {};
            char* inPointer = &in;
            char* outPointer = reinterpret_cast<char*>(out);
            size_t inLeft = 1;
            size_t outLeft = 4;
            if (iconv(convert, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<size_t>(-1)) {
                table[code] = out[0] | (out[1] << 8) | (out[2] << 16) | (uint32_t(out[3]) << 24);
            }
        }
        iconv_close(convert);
        return table;
    }();
    return points;
}

// Length of the well-formed UTF-8 sequence at `at` (RFC 3629), 0 when there is none.
size_t Utf8SequenceAt(const std::string& text, size_t at) {
    const auto byte = [&](size_t i) { return at + i < text.size() ? static_cast<uint8_t>(text[at + i]) : 0; };
    const uint8_t lead = byte(0);
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

void AppendUtf8(std::string& out, uint32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

} // namespace

uint32_t Windows1251CodePoint(uint8_t code) {
    return CodePoints()[code];
}

std::string DesktopText(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t at = 0; at < text.size();) {
        const uint8_t code = static_cast<uint8_t>(text[at]);
        if (code < 0x80) {
            out += text[at++];
        } else if (const size_t length = Utf8SequenceAt(text, at)) {
            out.append(text, at, length);
            at += length;
        } else {
            const uint32_t point = Windows1251CodePoint(code);
            AppendUtf8(out, point ? point : 0xFFFD);
            ++at;
        }
    }
    return out;
}

} // namespace platform
