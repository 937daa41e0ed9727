// The game's view of the operating system: one OpenGL window, its events, the keyboard
// and mouse, clocks, message boxes and process control. Implemented on SDL2; nothing
// outside src/platform includes SDL.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

struct TPoint {
    int x = 0;
    int y = 0;
};

// Window creation steps that can fail, each reported by the caller with its own text.
enum class WindowResult {
    Ok,
    VideoFailed,
    WindowFailed,
    PixelFormatFailed,
    ContextFailed,
    ContextActivateFailed
};

// Keeps freed heap memory in the process instead of handing it back at once: called first
// thing in main.
void KeepFreedMemory();
// Starts the video subsystem on first use; false when there is no display at all.
bool InitVideo();
// Switches the display to width x height x depth; false when the display refuses.
bool SwitchToFullScreen(int width, int height, int colourDepth);
// Creates the window with its OpenGL context made current and shows it. A window that is not
// full screen can be resized by the user; a borderless one has no frame or caption. Without
// depth the window has no depth or stencil buffer either.
WindowResult CreateWindow(const std::string& title, int width, int height, bool fullScreen, bool borderless,
                          bool withDepth);
// Releases and deletes the context; false when releasing it failed.
bool DestroyContext();
void DestroyWindow();
bool HasWindow();

// One size of the window icon: width x height RGBA pixels, top row first.
struct TIconImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};
// Gives the window its icon in every size the program has; the desktop picks the one it shows.
void SetWindowIcon(const std::vector<TIconImage>& sizes);

// The window messages the game handles; everything else is Other.
enum class Message { None, Quit, Close, Size, Other };
struct TMessage {
    Message kind = Message::None;
    int width = 0; // client size, for Size
    int height = 0;
};
// Fetches at most one pending message, like one PeekMessage with PM_REMOVE. Pointer motion and
// game-pad messages are dropped on the way (a pad's arrival or removal handled first): the
// pointer and pads are read each frame, and a moving mouse would otherwise queue more messages
// than one a frame can ever take.
TMessage PeekMessage();
// Queues a close request, a quit message or `count` pointer movements as if the user or the
// system sent them.
void PostClose();
void PostQuit();
void PostPointerMotion(int count);

bool HasFocus();
void FocusWindow();
TPoint ClientSize();
TPoint DesktopSize();
void MoveWindow(int x, int y);
// Changes the client size as dragging the window's frame would; the Size message follows.
void ResizeWindow(int width, int height);
void SetTitle(const std::string& title);
void SwapBuffers();
// Ties buffer swaps to the display's refresh (adaptive where the driver offers it) or frees
// them; false when the driver cannot do what was asked.
bool SetVerticalSync(bool on);
void* GetProcAddress(const char* name);

void ShowCursor(bool show);
// Screen coordinates before the window exists, client coordinates once it does.
void SetCursorPos(int x, int y);
TPoint CursorPos();

// 256 bytes indexed by Windows virtual-key codes, bit 7 set while the key or button is down;
// game pads' buttons, triggers and directions too (GamePads.h).
void GetKeyboardState(uint8_t state[256]);

uint32_t GetTickCount();
void Sleep(uint32_t ms);
// Zero when the machine has no high-resolution counter.
uint64_t PerformanceCounter();

// Modal boxes, also echoed to stderr. With no display, or KESTROVA_DIALOGS=stderr, only
// stderr is used and Yes/No answers No. The Windows-1251 text is shown as UTF-8.
void MessageBox(const std::string& caption, const std::string& text);
bool AskYesNo(const std::string& caption, const std::string& text);

// Stands in for every message box (`question` false) and Yes/No question (`question` true,
// the result is the answer) while set; tests collect what the game would show through it.
using TDialogHook = std::function<bool(const std::string& caption, const std::string& text, bool question)>;
// Puts `hook` in place and returns the one it replaces (empty: the real dialogs).
TDialogHook SetDialogHook(TDialogHook hook);

// While one lives, message boxes on its own thread are dropped: a worker that tries a load
// ahead of time leaves the reporting to the main thread, which tries again.
class TMutedMessages {
public:
    TMutedMessages();
    ~TMutedMessages();
    TMutedMessages(const TMutedMessages&) = delete;
    TMutedMessages& operator=(const TMutedMessages&) = delete;
};

// Opens a web address (or a file) with the desktop's handler, like the shell's "open".
void OpenAddress(const std::string& address);
// The environment variable's value; empty when it is unset.
std::string EnvironmentValue(const char* name);
// Starts the running executable again, detached, with the given arguments.
bool StartProgramAgain(const std::vector<std::string>& args);

// Directory of the running executable, with its trailing separator.
std::string ProgramDirectory();

} // namespace platform
