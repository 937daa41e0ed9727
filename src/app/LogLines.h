// The start-up progress lines. The Russian ones are Windows-1251 text, kept as bytes so the
// log is byte-exact whatever encoding this source file is read in.
#pragma once

namespace loglines {
inline constexpr char LoadingConfig[] = "Loading Config";
inline constexpr char CreatingWindow[] = "Creating Window";
inline constexpr char InitGLExt[] = "Init GL Ext";
inline constexpr char InitIL[] = "Init IL";
inline constexpr char LoadingArchive[] = "Loading Archive";
inline constexpr char LoadingControls[] = "Loading Controls";
// "Menus are loading"
inline constexpr char LoadingMenus[] = "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xEC\xE5\xED\xFE";
// "Shaders are loading"
inline constexpr char LoadingShaders[] =
    "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xF8\xE5\xE9\xE4\xE5\xF0\xEE\xE2";
// "Starting the game"
inline constexpr char StartingGame[] = "\xC7\xE0\xEF\xF3\xF1\xEA\x20\xE8\xE3\xF0\xFB";
// The game environment's lines.
// "Creating all sorts of stuff"
inline constexpr char CreatingControllers[] =
    "\xD1\xEE\xE7\xE4\xE0\xE5\xF2\xF1\xFF\x20\xE2\xF1\xFF\xEA\xE0\xFF\x20\xF5\xF0\xE5\xED\xFC";
// "Setting the game's main parameters"
inline constexpr char SettingParameters[] =
    "\xD3\xF1\xF2\xE0\xED\xE0\xE2\xEB\xE8\xE2\xE0\xFE\xF2\xF1\xFF\x20\xEE\xF1\xED\xEE\xE2\xED\xFB\xE5\x20\xEF"
    "\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB\x20\xE8\xE3\xF0\xFB";
// "Sounds are loading"
inline constexpr char LoadingSounds[] =
    "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xE7\xE2\xF3\xEA\xE8";
// "Effects are loading"
inline constexpr char LoadingEffects[] =
    "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xFD\xF4\xF4\xE5\xEA\xF2\xFB";
// "Textures are loading"
inline constexpr char LoadingTextures[] =
    "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xF2\xE5\xEA\xF1\xF2\xF3\xF0\xFB";
// "Controls are being created"
inline constexpr char CreatingControls[] = "\xD1\xEE\xE7\xE4\xE0\xFE\xF2\xF1\xFF\x20\xFD\xEB\xE5\xEC\xE5\xED"
                                           "\xF2\xFB\x20\xF3\xEF\xF0\xE0\xE2\xEB\xE5\xED\xE8\xFF";
// "Global parameters are loading"
inline constexpr char LoadingGlobals[] = "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xE3\xEB\xEE\xE1"
                                         "\xE0\xEB\xFC\xED\xFB\xE5\x20\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB";
} // namespace loglines
