// The game's single-byte text is Windows-1251; the desktop around it speaks Unicode.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The Unicode code point of a Windows-1251 byte; 0 for the one code it leaves undefined.
uint32_t Windows1251CodePoint(uint8_t code);

// Text for a UTF-8 desktop (dialogs, the terminal). Runs that already are UTF-8, such as
// folder names from the file system, stay as they are; every other byte above 127 is read
// as Windows-1251.
std::string DesktopText(const std::string& text);

} // namespace platform
