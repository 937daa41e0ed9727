// Display names of the virtual-key codes.
#pragma once

// "NONE" for -1 (no key), the key's name for 0..255, "UNKNOWN" for anything else.
const char* KeyName(int key);
