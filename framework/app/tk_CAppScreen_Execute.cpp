// The run of an application screen: the steps of Execute and the message loop.
#define TK_MODULE "TK_APP_w"
#include <cstdio>

#include "framework/app/tk_APP.h"
#include "framework/app/tk_CAppRozlisenieDlg.h"
#include "framework/app/tk_CAppScreen.h"
#include "framework/graphics/tk_Display.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_DSGN.h"

namespace {

// The skin's background picture is the running application's.
const char* backFileOfRunningApp() {
    return tk_pApp ? tk_pApp->m_BackFile : nullptr;
}

}  // namespace

int tk_CAppScreen::Execute() {
    tk_pApp = this;
    tk_DSGN_SetBackFileSource(backFileOfRunningApp);
    TK_LOG("TRAC", "tk_CAppScreen::Execute; spracovanie m_LocApp_INI", 1);
    ReadSettings();
    TK_LOG("TRAC", "tk_CAppScreen::Execute; tk_APP_Inicializuj", 2);
    if (!tk_APP_Inicializuj(m_hInstance, m_nCmdShow)) {
        // Nothing can be shown: the program ends here instead of building on a destroyed window.
        TK_LOG_ERR("tk_CAppScreen::Execute; the window or the display could not be set up, the program ends");
        return 1;
    }
    TK_LOG("TRAC", "tk_CAppScreen::Execute; tk_APP_Synchro_dll2App", 3);
    tk_APP_Synchro_dll2App(&m_ScrW, &m_ScrH, &m_ScrCX, &m_ScrCY, &m_lpDD, &m_lpDDSPrimary, &m_lpDDSBack,
                           &m_lpDDPal);
    TK_LOG("TRAC", "tk_CAppScreen::Execute; Init();", 4);
    Init();
    TK_LOG("TRAC", "tk_CAppScreen::Execute; SetupVisual_Private", 5);
    SetupVisual_Private();
    TK_LOG("TRAC", "tk_CAppScreen::Execute; init m_duir_Rozlisenia", 6);
    FillResolutionList();
    TK_LOG("TRAC", "tk_CAppScreen::Execute; Init2", 7);
    Init2();
    // The first frame is drawn as soon as everything is ready rather than a timer period later.
    if (!m_bRedrawOff) tk_APP_Prekresli();
    TK_LOG("TRAC", "tk_CAppScreen::Execute; while...", 8);
    return MessageLoop();
}

void tk_CAppScreen::FillResolutionList() {
    if (!m_dlgRozlisenie) return;
    tk_CDUIR* list = m_dlgRozlisenie->m_duir_Rozlisenia;
    list->VYMAZR();
    for (int i = 0; i < tk_DisplayModes.count; ++i) {
        const auto* m = static_cast<const tk_TDisplayMode*>(tk_DisplayModes.items[i]);
        char text[40];
        std::snprintf(text, sizeof text, "%d  x  %d", m->width, m->height);
        list->PRIDAJ(i + 1, text);
    }
}

// Waits only while the program is inactive; while it is active the platform's wait for the next
// timer keeps the loop from spinning.
int tk_CAppScreen::MessageLoop() {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) return static_cast<int>(msg.wParam);
            if (got < 0) {
                TK_LOG_ERR("tk_CAppScreen::Execute; GetMessage failed");
                return 1;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (!tk_bAppActive) {
            WaitMessage();
        }
    }
}
