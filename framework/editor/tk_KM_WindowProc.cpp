// The editor joins a running program through the application shell's seam: the chord switches it
// on, its window procedure takes the input while it is on, its overlay ends every frame.
#include <cstdint>

#include "framework/app/tk_APP_Editor.h"
#include "framework/app/tk_CAppScreen.h"
#include "framework/editor/tk_KM_internal.h"

namespace {

class LayoutEditor : public tk_CAppEditor {
  public:
    bool IsOn() const override { return tk_KM_on; }
    void SwitchOn(tk_CAppScreen* app) override { tk_KM_SwitchOn(app); }
    void WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
        tk_KM_WindowProc(window, msg, wParam, lParam);
    }
    void DrawOverlay(IDirectDrawSurface* back) override { tk_KM_ZOBRAZ(back); }
};

}  // namespace

void tk_KM_Install() {
    static LayoutEditor editor;
    tk_APP_SetEditor(&editor);
    tk_CPol_SetGoneWatcher(tk_KM_ElementGone);
}

void tk_KM_WindowProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!tk_KM_on) return;
    const int x = LOWORD(static_cast<std::uintptr_t>(lParam));
    const int y = HIWORD(static_cast<std::uintptr_t>(lParam));
    switch (msg) {
        case WM_KEYDOWN:
            tk_KM_Key(static_cast<int>(wParam));
            break;
        case WM_MOUSEMOVE:
            tk_KM_Pointer(x, y, 0);
            break;
        case WM_LBUTTONDOWN:
            tk_KM_Pointer(x, y, 1);
            break;
        case WM_LBUTTONUP:
            tk_KM_Pointer(x, y, -1);
            break;
        case WM_RBUTTONDOWN:
            tk_KM_Pointer(x, y, 2);
            break;
        case WM_RBUTTONUP:
            tk_KM_Pointer(x, y, -2);
            break;
        default:
            break;
    }
}
