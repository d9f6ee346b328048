// Window classes and the one window: creation, showing, painting, destruction, default handling.
#include <strings.h>

#include <string>

#include "platform/base/backend.h"
#include "platform/kernel/files.h"
#include "platform/user/close_signal.h"
#include "platform/user/user_state.h"

using tkp::user::LiveWindow;
using tkp::user::LogMisuse;
using tkp::user::State;

namespace {

bool isName(LPCSTR name) {
    return name != nullptr && (reinterpret_cast<std::uintptr_t>(name) >> 16) != 0;
}

tkp::user::WindowClass* findClass(LPCSTR name) {
    if (!isName(name)) return nullptr;
    for (auto& c : State().classes) {
        if (strcasecmp(c.name.c_str(), name) == 0) return &c;
    }
    return nullptr;
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* wndClass) {
    if (wndClass == nullptr || !isName(wndClass->lpszClassName) || wndClass->lpfnWndProc == nullptr) {
        LogMisuse("RegisterClassA: a class needs a name and a window procedure");
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (findClass(wndClass->lpszClassName) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto& classes = State().classes;
    classes.push_back(tkp::user::WindowClass{wndClass->lpszClassName, *wndClass});
    classes.back().wc.lpszClassName = classes.back().name.c_str();
    // Windows hands out class atoms from 0xC000 on.
    return static_cast<ATOM>(0xC000 + classes.size() - 1);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    tkp::user::WindowClass* wc = findClass(className);
    if (wc == nullptr) {
        LogMisuse("CreateWindowExA: the window class is not registered");
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    auto& s = State();
    if (s.main != nullptr) {
        LogMisuse("CreateWindowExA: a window already exists; only one is offered");
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto window = std::make_unique<tkp::user::Window>();
    window->className = wc->name;
    window->title = windowName != nullptr ? windowName : "";
    window->proc = wc->wc.lpfnWndProc;
    window->style = style;
    HWND hwnd = window.get();
    if (!tkp::base::backend::CreateMainWindow(hwnd, window->title.c_str())) {
        LogMisuse("CreateWindowExA: the backend could not open a window");
        return nullptr;
    }
    s.windows.push_back(std::move(window));
    s.main = hwnd;
    tkp::user::WatchCloseSignals();
    if ((style & WS_VISIBLE) != 0) ShowWindow(hwnd, SW_SHOW);

    CREATESTRUCTA cs{param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
                     windowName, className, exStyle};
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}

BOOL ShowWindow(HWND hwnd, int cmdShow) {
    tkp::user::Window* w = LiveWindow(hwnd);
    if (w == nullptr) return FALSE;
    const bool wasVisible = w->visible;
    w->visible = cmdShow != SW_HIDE;
    // A window that appears needs painting.
    if (w->visible && !wasVisible) State().queue.SetPaint(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    tkp::user::Window* w = LiveWindow(hwnd);
    if (w == nullptr) return FALSE;
    auto& queue = State().queue;
    if (w->visible && queue.PaintPending(hwnd)) {
        queue.ClearPaint(hwnd);
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL DestroyWindow(HWND hwnd) {
    tkp::user::Window* w = LiveWindow(hwnd);
    if (w == nullptr) return FALSE;
    // A destruction already under way (DestroyWindow from within WM_DESTROY) is not repeated.
    if (w->destroying) return TRUE;
    w->destroying = true;
    w->visible = false;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    auto& s = State();
    s.queue.ForgetWindow(hwnd);
    w->alive = false;
    if (s.main == hwnd) {
        s.main = nullptr;
        tkp::base::backend::DestroyMainWindow(hwnd);
    }
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    for (const auto& w : State().windows) {
        if (w.get() == hwnd && w->alive) return TRUE;
    }
    return FALSE;
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) DestroyWindow(hwnd);
    return 0;
}

void tkp::user::SetWindowedMode(int width, int height) {
    if (width <= 0 || height <= 0) width = height = 0;
    tkp::base::backend::SetWindowed(width, height);
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    tkp::user::Window* w = LiveWindow(hwnd);
    if (w == nullptr) return 0;
    return w->proc(hwnd, message, wParam, lParam);
}
