// Bitmap text fonts: FreeType glyphs found through fontconfig, compiled into one OpenGL
// display list per single-byte character code, as the game's 2D output draws them.
#pragma once

#include <string>

namespace platform {

// Starts reading fontconfig's configuration and caches on a thread of its own, so that the
// first font opened does not wait for them; fonts open the same without it.
void PrepareFonts();
// The character height in pixels of a font of `points` for a 96 dpi screen (rounded as GDI
// does), drawn `scale` times as large.
int FontPixels(int points, float scale = 1);
// Opens `face` at `points` for a 96 dpi screen and returns its number. "Century Gothic"
// falls back to "URW Gothic" and every face to "DejaVu Sans"; with no font at all the
// text is empty but nothing fails.
int OpenFont(const std::string& face, int points, bool bold);
// The same at a character height of `pixels`.
int OpenFontAtPixels(const std::string& face, int pixels, bool bold);
// The family actually used.
std::string FontFamily(int font);
// Compiles the display lists listBase + code for the codes in `text` that have none yet, each
// drawing that character with glBitmap and moving the raster position by its advance. Bytes
// 128..255 are Windows-1251. A font keeps one base. Needs a current GL context.
void BuildFontLists(int font, unsigned listBase, const std::string& text);
// The sum of the characters' advances in pixels: where the raster position ends up.
int TextWidth(int font, const std::string& text);
// The character cell height in pixels (ascent plus descent), as a text-extent call reports it.
int TextHeight(int font);

} // namespace platform
