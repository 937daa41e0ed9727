// Lines of text files people may edit: a line ends at CR LF, CR or LF, whichever the editor
// wrote (Windows tools write CR LF, Blender on Linux LF).
#pragma once

#include <cstddef>
#include <string>

// The line of `text` (characters or bytes) that starts at `position`, without its end;
// `position` moves past the end. Call only while position < text.size().
template <class TText> std::string NextLine(const TText& text, size_t& position) {
    const size_t start = position;
    while (position < text.size() && text[position] != '\r' && text[position] != '\n')
        ++position;
    std::string line(text.begin() + start, text.begin() + position);
    if (position < text.size()) {
        if (text[position] == '\r' && position + 1 < text.size() && text[position + 1] == '\n') ++position;
        ++position;
    }
    return line;
}
