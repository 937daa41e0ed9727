// Lines of text files people may edit: a line ends at CR LF, CR or LF, whichever the editor
// wrote (Windows tools write CR LF, Blender on Linux LF).
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

// The line of `text` (characters or bytes) that starts at `position`, without its end;
// `position` moves past the end. Call only while position < text.size().
template <class TText> std::string NextLine(const TText& text, size_t& position) {
    // Searched with memchr: model files have tens of thousands of lines.
    const char* begin = reinterpret_cast<const char*>(text.data());
    const char* start = begin + position;
    const char* end = begin + text.size();
    const void* lf = std::memchr(start, '\n', end - start);
    const char* stop = lf ? static_cast<const char*>(lf) : end;
    if (const void* cr = std::memchr(start, '\r', stop - start)) stop = static_cast<const char*>(cr);
    std::string line(start, stop);
    position = stop - begin;
    if (position < text.size()) {
        if (text[position] == '\r' && position + 1 < text.size() && text[position + 1] == '\n') ++position;
        ++position;
    }
    return line;
}
