// The window procedure: window messages into the element protocol on the running application,
// the framework keys, frames on timer 1, and the end of the run.
#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_APP.h"
#include "framework/app/tk_APP_Editor.h"
#include "framework/app/tk_CAppScreen.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"

namespace {

constexpr UINT_PTR kRedrawTimer = 1;

// A key held when the key message being handled was sent, not now: a quick hand or a script may
// have let go of it since.
bool held(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// The messages the layout editor takes while it is on.
bool editorInput(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP ||
           msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP;
}

// A key no element took.
void frameworkKey(tk_CAppScreen* app, HWND window, WPARAM key) {
    const bool modifier = held(VK_CONTROL) || held(VK_SHIFT);
    if (key == VK_ESCAPE || key == VK_F12) {
        if (app) {
            app->Close();
        } else {
            tk_APP_Zavri(window);
        }
    } else if (key == VK_F1 && modifier) {
        if (tk_CAppEditor* editor = tk_APP_Editor()) editor->SwitchOn(app);
    } else if (key == VK_F2 && modifier && app) {
        app->ToggleSetupButtons();
    }
}

// A pointer event at the position packed into lParam, then the question for slider and list values.
void pointer(tk_CAppScreen* app, LPARAM lParam, int code) {
    const int x = LOWORD(static_cast<std::uintptr_t>(lParam));
    const int y = HIWORD(static_cast<std::uintptr_t>(lParam));
    if (!app) return;
    app->INFORMUJ_SA(x, y, code);
    int scratch = 0;
    app->INFORMUJ_MA(&scratch);
}

}  // namespace

LRESULT tk_APP_WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    tk_hWnd = window;
    tk_CAppScreen* app = tk_pApp;
    if (app) {
        app->HandleWMInteraction(window, msg, wParam, lParam);
        // A key the program took means nothing else.
        if (app->KeyWasTaken() && msg == WM_KEYDOWN) return DefWindowProcA(window, msg, wParam, lParam);
    }
    if (tk_CAppEditor* editor = tk_APP_EditorOn()) {
        if (editorInput(msg)) editor->WindowProc(window, msg, wParam, lParam);
        if (msg != WM_TIMER && msg != WM_DESTROY) return DefWindowProcA(window, msg, wParam, lParam);
    }
    switch (msg) {
        case WM_ACTIVATEAPP:
            tk_bAppActive = static_cast<int>(wParam);
            break;
        case WM_DESTROY:
            TK_LOG("case WM_DESTROY - dll; tk_APP_WindowProc");
            TK_LOG("tk_APP_WindowProc; frames drawn", static_cast<int>(tk_APP_FrameCount()));
            KillTimer(window, kRedrawTimer);
            tk_APP_Vykonaj_RELEASE_SRF(true);
            PostQuitMessage(0);
            break;
        case WM_CLOSE:
            // The window manager's close (or a termination signal) ends the run the way the
            // program's own quit does: through Close, which writes the settings and closes again.
            if (app && !app->Closing()) {
                app->Close();
                return 0;
            }
            break;
        case WM_SETCURSOR:
            // The program draws its own pointer, if any.
            SetCursor(nullptr);
            break;
        case WM_KEYDOWN:
            if (!app || !app->INFORMUJ_SA_KLAV(static_cast<int>(wParam))) frameworkKey(app, window, wParam);
            break;
        case WM_TIMER:
            if (wParam == kRedrawTimer && (!app || !app->m_bRedrawOff)) tk_APP_Prekresli();
            break;
        case WM_MOUSEMOVE:
            pointer(app, lParam, 0);
            break;
        case WM_LBUTTONDOWN:
            pointer(app, lParam, 1);
            break;
        case WM_LBUTTONUP:
            pointer(app, lParam, -1);
            break;
        default:
            // The right button, like every other message, changes nothing here.
            break;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void tk_APP_Zavri(HWND window) {
    KillTimer(window, kRedrawTimer);
    PostMessageA(window, WM_CLOSE, 0, 0);
}
