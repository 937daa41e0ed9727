// The start-up progress lines. The last three are Windows-1251 text, kept as bytes so the
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
} // namespace loglines
