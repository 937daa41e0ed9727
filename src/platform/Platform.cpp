// The platform layer on SDL2: window, events, input, clocks, dialogs and processes.
#include "platform/Platform.h"
#include "platform/GamePadEvents.h"
#include "platform/WindowIcon.h"
#include "platform/Windows1251.h"

#include <SDL.h>
#include <climits>
#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
bool videoStarted = false;

TDialogHook dialogHook;
thread_local bool messagesMuted = false;

bool DialogsWanted() {
    const char* mode = std::getenv("KESTROVA_DIALOGS");
    return videoStarted && !(mode && std::string(mode) == "stderr");
}

void RequestGLAttributes(bool withAccumulation, bool withDepth) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, withDepth ? 24 : 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, withDepth ? 8 : 0);
    const int accum = withAccumulation ? 16 : 0;
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, accum);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, accum);
}

// Windows virtual-key code of each SDL scancode the game can bind.
int VirtualKey(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
    if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24) return 124 + (sc - SDL_SCANCODE_F13);
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return 97 + (sc - SDL_SCANCODE_KP_1);
    switch (sc) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN: return 13;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_PRINTSCREEN: return 44;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_LGUI: return 91;
    case SDL_SCANCODE_RGUI: return 92;
    case SDL_SCANCODE_APPLICATION: return 93;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 144;
    case SDL_SCANCODE_SCROLLLOCK: return 145;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    default: return -1;
    }
}

void MarkDown(uint8_t state[256], int vk) {
    if (vk >= 0 && vk < 256) state[vk] |= 0x80;
}

} // namespace

bool InitVideo() {
    if (!videoStarted) {
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        videoStarted = SDL_Init(SDL_INIT_VIDEO) == 0;
    }
    return videoStarted;
}

bool SwitchToFullScreen(int width, int height, int colourDepth) {
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    wanted.format = colourDepth <= 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    SDL_DisplayMode closest{};
    return SDL_GetClosestDisplayMode(0, &wanted, &closest) != nullptr && closest.w == width &&
           closest.h == height;
}

WindowResult CreateWindow(const std::string& title, int width, int height, bool fullScreen, bool borderless,
                          bool withDepth) {
    if (!InitVideo()) return WindowResult::VideoFailed;
    Uint32 flags = SDL_WINDOW_OPENGL;
    if (fullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN;
    } else {
        flags |= SDL_WINDOW_RESIZABLE | (borderless ? SDL_WINDOW_BORDERLESS : 0);
    }
    RequestGLAttributes(true, withDepth);
    window = SDL_CreateWindow(title.c_str(), 0, 0, width, height, flags);
    if (!window) {
        // Drivers without accumulation visuals refuse the request; the game runs without one.
        RequestGLAttributes(false, withDepth);
        window = SDL_CreateWindow(title.c_str(), 0, 0, width, height, flags);
    }
    if (!window) {
        SDL_Window* plain = SDL_CreateWindow(title.c_str(), 0, 0, width, height, 0);
        if (!plain) return WindowResult::WindowFailed;
        SDL_DestroyWindow(plain);
        return WindowResult::PixelFormatFailed;
    }
    context = SDL_GL_CreateContext(window);
    if (!context) return WindowResult::ContextFailed;
    if (SDL_GL_MakeCurrent(window, context) != 0) return WindowResult::ContextActivateFailed;
    SDL_ShowWindow(window);
    return WindowResult::Ok;
}

bool DestroyContext() {
    if (!context) return true;
    const bool released = SDL_GL_MakeCurrent(window, nullptr) == 0;
    SDL_GL_DeleteContext(context);
    context = nullptr;
    return released;
}

void DestroyWindow() {
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
}

bool HasWindow() {
    return window != nullptr;
}

void SetWindowIcon(const std::vector<TIconImage>& sizes) {
    if (window) SetIconOfWindow(window, sizes);
}

TMessage PeekMessage() {
    TMessage message;
    SDL_Event event;
    do {
        if (!SDL_PollEvent(&event)) return message;
    } while (event.type == SDL_MOUSEMOTION || HandlePadEvent(event));
    message.kind = Message::Other;
    if (event.type == SDL_QUIT) {
        message.kind = Message::Quit;
    } else if (event.type == SDL_WINDOWEVENT) {
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            message.kind = Message::Close;
        } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            message.kind = Message::Size;
            message.width = event.window.data1;
            message.height = event.window.data2;
        }
    }
    return message;
}

void PostClose() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = window ? SDL_GetWindowID(window) : 0;
    SDL_PushEvent(&event);
}

void PostQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void PostPointerMotion(int count) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = window ? SDL_GetWindowID(window) : 0;
    event.motion.xrel = 1;
    for (int i = 0; i < count; ++i)
        SDL_PushEvent(&event);
}

bool HasFocus() {
    return window && SDL_GetKeyboardFocus() == window;
}

void FocusWindow() {
    if (!window) return;
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
}

TPoint ClientSize() {
    TPoint size;
    if (window) SDL_GL_GetDrawableSize(window, &size.x, &size.y);
    return size;
}

TPoint DesktopSize() {
    SDL_DisplayMode mode{};
    if (!InitVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return {800, 600};
    return {mode.w, mode.h};
}

void MoveWindow(int x, int y) {
    if (window) SDL_SetWindowPosition(window, x, y);
}

void ResizeWindow(int width, int height) {
    if (window) SDL_SetWindowSize(window, width, height);
}

void SetTitle(const std::string& title) {
    if (window) SDL_SetWindowTitle(window, title.c_str());
}

void SwapBuffers() {
    if (window) SDL_GL_SwapWindow(window);
}

bool SetVerticalSync(bool on) {
    if (!on) return SDL_GL_SetSwapInterval(0) == 0;
    // Adaptive sync lets a late frame through at once instead of waiting a whole refresh.
    return SDL_GL_SetSwapInterval(-1) == 0 || SDL_GL_SetSwapInterval(1) == 0;
}

void* GetProcAddress(const char* name) {
    return videoStarted ? SDL_GL_GetProcAddress(name) : nullptr;
}

void ShowCursor(bool show) {
    if (videoStarted) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SetCursorPos(int x, int y) {
    if (window) {
        SDL_WarpMouseInWindow(window, x, y);
    } else if (videoStarted) {
        SDL_WarpMouseGlobal(x, y);
    }
}

TPoint CursorPos() {
    TPoint p;
    if (!videoStarted) return p;
    SDL_GetGlobalMouseState(&p.x, &p.y);
    if (window) {
        int wx = 0, wy = 0;
        SDL_GetWindowPosition(window, &wx, &wy);
        p.x -= wx;
        p.y -= wy;
    }
    return p;
}

void GetKeyboardState(uint8_t state[256]) {
    std::fill(state, state + 256, 0);
    MarkPadKeys(state);
    if (!videoStarted) return;
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    for (int sc = 0; sc < count; ++sc) {
        if (keys[sc]) MarkDown(state, VirtualKey(static_cast<SDL_Scancode>(sc)));
    }
    const SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_LSHIFT) MarkDown(state, 160), MarkDown(state, 16);
    if (mod & KMOD_RSHIFT) MarkDown(state, 161), MarkDown(state, 16);
    if (mod & KMOD_LCTRL) MarkDown(state, 162), MarkDown(state, 17);
    if (mod & KMOD_RCTRL) MarkDown(state, 163), MarkDown(state, 17);
    if (mod & KMOD_LALT) MarkDown(state, 164), MarkDown(state, 18);
    if (mod & KMOD_RALT) MarkDown(state, 165), MarkDown(state, 18);
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    if (buttons & SDL_BUTTON_LMASK) MarkDown(state, 1);
    if (buttons & SDL_BUTTON_RMASK) MarkDown(state, 2);
    if (buttons & SDL_BUTTON_MMASK) MarkDown(state, 4);
}

uint32_t GetTickCount() {
    return SDL_GetTicks();
}

void KeepFreedMemory() {
    // The software renderer takes each frame's bins from the heap and frees them at its end. With
    // glibc's starting thresholds the freed top of the heap went back to the system every frame
    // and was faulted in, zeroed, again the next: busy frames took 10-30 ms more. These are the
    // values glibc's own adjustment stops at.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

void Sleep(uint32_t ms) {
    SDL_Delay(ms);
}

uint64_t PerformanceCounter() {
    return SDL_GetPerformanceCounter();
}

TDialogHook SetDialogHook(TDialogHook hook) {
    std::swap(hook, dialogHook);
    return hook;
}

TMutedMessages::TMutedMessages() {
    messagesMuted = true;
}

TMutedMessages::~TMutedMessages() {
    messagesMuted = false;
}

// Game texts are Windows-1251 (the log keeps them so); SDL and terminals take UTF-8.
void MessageBox(const std::string& caption, const std::string& gameText) {
    if (messagesMuted) return;
    if (dialogHook) {
        dialogHook(caption, gameText, false);
        return;
    }
    const std::string text = DesktopText(gameText);
    std::cerr << caption << ": " << text << std::endl;
    if (DialogsWanted())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), window);
}

bool AskYesNo(const std::string& caption, const std::string& gameText) {
    if (dialogHook) return dialogHook(caption, gameText, true);
    const std::string text = DesktopText(gameText);
    std::cerr << caption << ": " << text << std::endl;
    // Without a person to answer, the safe answer to a broken-data question is No.
    if (!DialogsWanted()) return false;
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
    };
    const SDL_MessageBoxData data = {
        SDL_MESSAGEBOX_WARNING, window, caption.c_str(), text.c_str(), 2, buttons, nullptr};
    int answer = 0;
    return SDL_ShowMessageBox(&data, &answer) == 0 && answer == 1;
}

void OpenAddress(const std::string& address) {
    if (InitVideo()) SDL_OpenURL(address.c_str());
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool StartProgramAgain(const std::vector<std::string>& args) {
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    if (n <= 0) return false;
    self[n] = '\0';
    std::vector<char*> argv;
    argv.push_back(self);
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, self, nullptr, &attr, argv.data(), environ) == 0;
    posix_spawnattr_destroy(&attr);
    return started;
}

std::string ProgramDirectory() {
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    if (n <= 0) return "./";
    const std::string path(self, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

} // namespace platform
