// The set-up of the window and the display, the list of display modes, the change of display
// mode and the failure path that ends the program when the display cannot be had.
#define TK_MODULE "TK_APP_w"
#include <cstdio>

#include "framework/app/tk_APP.h"
#include "framework/graphics/tk_Display.h"
#include "framework/sound/tk_DSO.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_DSGN.h"

tk_CARRE tk_DisplayModes;

namespace {

constexpr UINT_PTR kRedrawTimer = 1;
constexpr UINT kFirstPeriodMs = 20;
constexpr const char* kTitle = "KT Tessalin Kartola";
// What the desktop shows in the title bar and the task list.
constexpr const char* kWindowTitle = "Kartola";
// Modes narrower than this are not offered to the program (while wider ones exist).
constexpr int kMinModeWidth = 800;

struct ModeScan {
    // The largest mode offered, for a display that offers nothing wide enough.
    tk_TDisplayMode largest{0, 0};
};

tk_TDisplayMode* modeAt(int i) {
    return static_cast<tk_TDisplayMode*>(tk_DisplayModes.items[i]);
}

void addMode(int w, int h) {
    tk_DisplayModes.Add(new tk_TDisplayMode{w, h});
}

void clearModes() {
    for (int i = 0; i < tk_DisplayModes.count; ++i) delete modeAt(i);
    tk_DisplayModes.DetachAll();
}

// The list refers to its records without owning them: they go before it at the program's end.
struct ModeRecords {
    ~ModeRecords() { clearModes(); }
} g_modeRecords;

// One mode offered: listed when wide enough and not the same size as the mode just before it
// (the same size again at another refresh rate).
HRESULT collectMode(LPDDSURFACEDESC mode, LPVOID context) {
    auto* scan = static_cast<ModeScan*>(context);
    const int w = static_cast<int>(mode->dwWidth);
    const int h = static_cast<int>(mode->dwHeight);
    if (static_cast<long long>(w) * h > static_cast<long long>(scan->largest.width) * scan->largest.height)
        scan->largest = {w, h};
    if (w >= kMinModeWidth) {
        const int n = tk_DisplayModes.count;
        if (n == 0 || modeAt(n - 1)->width != w || modeAt(n - 1)->height != h) addMode(w, h);
    }
    return DDENUMRET_OK;
}

// The primary surface as a flipping chain with one back buffer, and the back buffer.
bool createPrimary() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;
    if (tk_lpDD->CreateSurface(&desc, &tk_lpDDSPrimary, nullptr) != DD_OK) return false;
    DDSCAPS caps{};
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    return tk_lpDDSPrimary->GetAttachedSurface(&caps, &tk_lpDDSBack) == DD_OK;
}

void setScreen(int w, int h) {
    tk_ScreenW = w;
    tk_ScreenH = h;
    tk_ScreenCX = w / 2;
    tk_ScreenCY = h / 2;
}

}  // namespace

int tk_APP_Inicializuj(HINSTANCE instance, int cmdShow) {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = tk_APP_WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = "KT";
    wc.lpszClassName = "KT";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "KT", kWindowTitle, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    tk_hWnd = window;
    ShowWindow(window, cmdShow);
    UpdateWindow(window);

    if (DirectDrawCreate(nullptr, &tk_lpDD, nullptr) != DD_OK) return tk_APP_Inic_problem(window);
    tk_APP_DisplayModes_LIST();
    if (tk_lpDD->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK)
        return tk_APP_Inic_problem(window);
    if (tk_ScreenW <= 0 || tk_ScreenH <= 0 ||
        tk_lpDD->SetDisplayMode(static_cast<DWORD>(tk_ScreenW), static_cast<DWORD>(tk_ScreenH), 16) != DD_OK)
        return tk_APP_Inic_problem(window);
    setScreen(tk_ScreenW, tk_ScreenH);
    if (!createPrimary()) return tk_APP_Inic_problem(window);
    tk_APP_ResetFrameCount();
    if (!tk_DSGN_ready) tk_DSGN_INIT();
    tk_DSO_INIT(window);
    SetTimer(window, kRedrawTimer, kFirstPeriodMs, nullptr);
    return 1;
}

int tk_APP_Inic_problem(HWND window) {
    TK_LOG_ERR("Problem pri inicializcii [tk_APP_Inic_problem]");
    tk_APP_Vykonaj_RELEASE_SRF(true);
    MessageBoxA(window, "Problem pri inicializacii", kTitle, MB_OK);
    DestroyWindow(window);
    return 0;
}

void tk_APP_DisplayModes_LIST() {
    TK_LOG("tk_APP_DisplayModes_LIST", "-------------------------- BEG");
    clearModes();
    ModeScan scan;
    const HRESULT r =
        tk_lpDD ? tk_lpDD->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &scan, collectMode) : DDERR_GENERIC;
    TK_LOG("EnumDisplayModes", r == DD_OK ? "OK" : "ERROR");
    if (tk_DisplayModes.count == 0 && scan.largest.width > 0) {
        // A small display still runs, at the largest size it has.
        TK_LOG("tk_APP_DisplayModes_LIST; no mode 800 wide, the largest offered is used", scan.largest.width,
               scan.largest.height);
        addMode(scan.largest.width, scan.largest.height);
    }
    bool wished = false;
    for (int i = 0; i < tk_DisplayModes.count; ++i) {
        const tk_TDisplayMode* m = modeAt(i);
        char text[40];
        std::snprintf(text, sizeof text, "%d  x  %d", m->width, m->height);
        TK_LOG(" DM> ", text);
        wished = wished || (m->width == tk_ScreenW && m->height == tk_ScreenH);
    }
    if (!wished && tk_DisplayModes.count > 0) {
        const tk_TDisplayMode* last = modeAt(tk_DisplayModes.count - 1);
        tk_ScreenW = last->width;
        tk_ScreenH = last->height;
    }
    TK_LOG("tk_APP_DisplayModes_LIST", "-------------------------- END");
}

int tk_APP_ZmenRozlisenie(int width, int height) {
    tk_APP_Vykonaj_RELEASE_SRF(false);
    if (!tk_lpDD || width <= 0 || height <= 0 ||
        tk_lpDD->SetDisplayMode(static_cast<DWORD>(width), static_cast<DWORD>(height), 16) != DD_OK)
        return tk_APP_Inic_problem(tk_hWnd);
    setScreen(width, height);
    if (!createPrimary()) return tk_APP_Inic_problem(tk_hWnd);
    tk_APP_Nahraj_SRF();
    return 1;
}
