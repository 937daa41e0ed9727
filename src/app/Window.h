// The game's one OpenGL window: creation with its failure boxes, teardown, resizing and
// the handling of the window messages the game cares about.
#pragma once

#include "platform/Platform.h"

// Shows the reason in an "Error" box and returns false when the window cannot be made.
// `borderless` (the desktop-sized window) has no frame; it matters only when not full screen.
// Without depth the window has no depth or stencil buffer.
bool CreateGLWindow(int width, int height, bool fullScreen, int colourDepth, bool borderless, bool withDepth);
void DestroyGLWindow(bool restoreDisplay);
// The window icon in its two sizes, from the data: decoded on the texture library's worker (so
// once the archive is open and the library made) and set later, since the first page can show
// without it.
void DecodeWindowIconAhead();
void LoadWindowIcon();
// Pixel scales, half sizes and the viewport from a client size; a zero size (minimised) keeps
// the old ones. The window can be resized, so the viewport follows its client area.
void ResizeGLScene(int width, int height);
// The menus' and the HUD's size for a window of this size: the size their text is rendered at
// and, drawn larger than their pictures, the sharper pictures.
void ApplyInterfaceScale(int width, int height);
// The close request brings up the menu: the exit question, except on the last screen and
// the stage-complete page, which only come to the front.
void HandleCloseRequest();
void HandleWindowMessage(const platform::TMessage& message);
