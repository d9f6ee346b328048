// A small program on the real SDL backend for the real-window test: it opens the window through
// user32, shows a known 800 x 600 picture scaled to the screen, and writes the messages it receives
// to a log file, one line each, so that a test can drive it with real input and check what came.
// Escape closes the window. (What the loop costs while idle is the idle benchmark's.)
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/base/backend.h"
#include "platform/user/user.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
enum Timer : UINT_PTR { kRedraw = 1, kSafety = 9 };

std::FILE* g_log = nullptr;
std::vector<std::uint16_t> g_picture;
bool g_active = false;
bool g_presented = false;

void logLine(const char* format, auto... values) {
    std::fprintf(g_log, format, values...);
    std::fputc('\n', g_log);
    std::fflush(g_log);
}

// Quadrants red, green, blue and white with a cyan square in the middle.
void drawPicture() {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool left = x < kWidth / 2, square = x >= 380 && x < 420 && y >= 280 && y < 320;
            g_picture.push_back(square            ? 0x07FF
                                : y < kHeight / 2 ? (left ? 0xF800 : 0x07E0)
                                                  : (left ? 0x001F : 0xFFFF));
        }
    }
}

void onTimer(HWND window, UINT_PTR id) {
    if (id == kRedraw) {
        tkp::base::backend::Present(g_picture.data(), kWidth, kHeight, kWidth * 2);
        if (!g_presented) logLine("ready");
        g_presented = true;
    } else if (id == kSafety) {
        logLine("safety timeout");
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
}

LRESULT demoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const unsigned flags = static_cast<unsigned>(wParam);
    const struct {
        UINT message;
        const char* name;
    } pointer[] = {{WM_MOUSEMOVE, "move"},
                   {WM_LBUTTONDOWN, "ldown"},
                   {WM_LBUTTONUP, "lup"},
                   {WM_RBUTTONDOWN, "rdown"},
                   {WM_RBUTTONUP, "rup"}};
    for (const auto& p : pointer)
        if (message == p.message)
            logLine("%s %d %d 0x%x", p.name, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), flags);
    if (message == WM_KEYDOWN || message == WM_KEYUP)
        logLine(message == WM_KEYUP ? "keyup 0x%x" : "keydown 0x%x", flags);
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) PostMessageA(window, WM_CLOSE, 0, 0);
    if (message == WM_ACTIVATEAPP) logLine("activate %d", (g_active = wParam != 0) ? 1 : 0);
    // The program would draw its own pointer.
    if (message == WM_SETCURSOR) SetCursor(nullptr);
    if (message == WM_TIMER) onTimer(window, wParam);
    if (message == WM_DESTROY) {
        logLine("destroy");
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !(g_log = std::fopen(argv[1], "w"))) {
        std::fprintf(stderr, "usage: window_demo LOGFILE (a file that can be written)\n");
        return 2;
    }
    logLine("desktop %d %d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::string modes;
    for (const auto& m : tkp::base::backend::DisplayModes())
        modes += " " + std::to_string(m.width) + "x" + std::to_string(m.height);
    logLine("modes%s", modes.c_str());

    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = demoWindowProc;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "DEMO";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "DEMO", "Window Demo", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) {
        MessageBoxA(nullptr, "The window could not be opened", "Window Demo", MB_OK | MB_ICONERROR);
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    tkp::base::backend::SetPresentationSize(kWidth, kHeight);
    drawPicture();
    SetTimer(window, kRedraw, 20, nullptr);
    SetTimer(window, kSafety, 60000, nullptr);

    // The framework's loop: take what waits; wait only while inactive.
    MSG msg{};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, nullptr, 0, 0)) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (!g_active) {
            WaitMessage();
        }
    }
    logLine("exit %d", static_cast<int>(msg.wParam));
    std::fclose(g_log);
    return static_cast<int>(msg.wParam);
}
