#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_CAppScreen.h"

#include <cstring>

#include "framework/app/tk_APP.h"
#include "framework/app/tk_APP_Settings.h"
#include "framework/app/tk_CAppCasovacDlg.h"
#include "framework/app/tk_CAppInfoDlg.h"
#include "framework/app/tk_CAppRozlisenieDlg.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CTlac.h"

namespace {

// The corner buttons, right to left: close, info, resolution, timer. Each sits `fromRight` pixels
// left of the screen's right edge and shows three phases of the skin sheet.
struct Corner {
    int id;
    int fromRight;
    int y;
    int px;
    int py[3];
};
constexpr Corner kCorners[] = {
    {601, 51, 5, 80, {10, 30, 55}},
    {602, 80, 6, 220, {100, 120, 140}},
    {603, 109, 6, 200, {100, 120, 140}},
    {604, 138, 6, 180, {100, 120, 140}},
};

// Copies a name into a fixed field when it fits; a longer one is refused and logged with the field.
template <std::size_t N>
bool copyName(char (&field)[N], const char* name, const char* fieldName) {
    if (!name) name = "";
    if (std::strlen(name) >= N) {
        TK_LOG_ERR(fieldName);
        TK_LOG("  the name is too long for the field and is refused:", name);
        return false;
    }
    tk_StrCopy(field, name);
    return true;
}

void replaceText(char*& field, const char* text) {
    char* copy = tk_StrDup(text);
    delete[] field;
    field = copy;
}

}  // namespace

tk_CAppScreen::tk_CAppScreen(HINSTANCE instance, int cmdShow, const char* settingsFile) : tk_CPolCHLO() {
    SetClassId(tk_CLASS_CAppScreen);
    SetName("noname_appscreen");
    m_hInstance = instance;
    m_nCmdShow = cmdShow;
    m_ScrW = 1600;
    m_ScrH = 900;
    m_ScrCX = 800;
    m_ScrCY = 450;
    m_lpDD = nullptr;
    m_lpDDSPrimary = nullptr;
    m_lpDDSBack = nullptr;
    m_lpDDPal = nullptr;
    m_bRedrawOff = false;
    m_LocApp_INI[0] = 0;
    copyName(m_LocApp_INI, settingsFile, "tk_CAppScreen: m_LocApp_INI (30 characters)");
    m_BackColor = 500;
    m_BackFile[0] = 0;
    m_bLogo = true;
    m_AppName = nullptr;
    m_AppVersion = nullptr;
    m_AppAuthor = nullptr;
    m_AppIconSrf = nullptr;
    m_AppIconX = 0;
    m_AppIconY = 0;
    m_AppIcon = nullptr;
    m_bNoSetupButtons = false;
    for (const Corner& c : kCorners) new tk_CTlac(this, c.id);
    m_dlgRozlisenie = new tk_CAppRozlisenieDlg(this, 1220);
    m_dlgCasovac = new tk_CAppCasovacDlg(this, 1230);
    m_dlgInfo = new tk_CAppInfoDlg(this, 1200);
    m_dlgRozlisenie->visible = false;
    m_dlgCasovac->visible = false;
    m_dlgInfo->visible = false;
}

// The container destroys the children after this; the info dialog's icon only shares m_AppIcon's sheet.
tk_CAppScreen::~tk_CAppScreen() {
    delete[] m_AppName;
    delete[] m_AppVersion;
    delete[] m_AppAuthor;
    delete m_AppIcon;
    m_AppIcon = nullptr;
    if (tk_pApp == this) tk_pApp = nullptr;
}

void tk_CAppScreen::SetBackground(int colour, const char* file, bool logo) {
    m_BackColor = colour;
    copyName(m_BackFile, file, "tk_CAppScreen::SetBackground: m_BackFile (29 characters)");
    m_bLogo = logo;
}

void tk_CAppScreen::SetAppInfo(const char* title, const char* version, const char* author,
                               tk_CDas_Surface* sheet, int x_, int y_) {
    replaceText(m_AppName, title);
    replaceText(m_AppVersion, version);
    replaceText(m_AppAuthor, author);
    m_AppIconSrf = sheet;
    m_AppIconX = x_;
    m_AppIconY = y_;
}

tk_DSGN_Struct* tk_CAppScreen::GetDSGNref() {
    return &tk_DSGN;
}

void tk_CAppScreen::GetSize(int* w, int* h) {
    if (w) *w = tk_ScreenW;
    if (h) *h = tk_ScreenH;
}

tk_CPol* tk_CAppScreen::CornerButton(int i) {
    return FindCHLWithID(kCorners[i].id);
}

int tk_CAppScreen::SetupVisual() {
    for (int i = 0; i < 4; ++i) {
        const Corner& c = kCorners[i];
        if (auto* b = dynamic_cast<tk_CTlac*>(CornerButton(i)))
            b->Dsgn2_UserA(tk_ScreenW - c.fromRight, c.y, tk_DSGN.rezia_dll_srf, c.px, c.py[0], c.px, c.py[1],
                           c.px, c.py[2]);
    }
    if (m_bNoSetupButtons) {
        for (int i : {3, 2}) {
            if (tk_CPol* b = CornerButton(i)) b->visible = false;
        }
    }
    if (m_AppIconSrf && m_AppIconX && m_AppIconY) {
        delete m_AppIcon;
        m_AppIcon = new tk_CIcon(m_AppIconSrf, m_AppIconX, m_AppIconY);
    }
    if (m_dlgRozlisenie) m_dlgRozlisenie->Dsgn(tk_ScreenW - 500, 50, 338, 250, 2);
    if (m_dlgCasovac) m_dlgCasovac->Dsgn(tk_ScreenW - 600, 100, 208, 109, 2);
    if (m_dlgInfo) {
        m_dlgInfo->Dsgn(tk_ScreenW - 900, 150, 366, 293, 2);
        m_dlgInfo->CHOD_NA_CENTER(tk_ScreenCX, tk_ScreenCY);
    }
    return 0;
}

bool tk_CAppScreen::HandleFWInteraction(int id, int, tk_CPol*) {
    switch (id) {
        case 601:
            Close();
            break;
        case 602:
            if (m_dlgInfo) {
                m_dlgInfo->visible = !m_dlgInfo->visible;
                if (m_dlgInfo->visible) TOP_DLG(m_dlgInfo);
            }
            break;
        case 603:
            if (m_dlgRozlisenie) {
                m_dlgRozlisenie->visible = !m_dlgRozlisenie->visible;
                if (m_dlgRozlisenie->visible) {
                    m_dlgRozlisenie->chosen_w = tk_ScreenW;
                    m_dlgRozlisenie->chosen_h = tk_ScreenH;
                    m_dlgRozlisenie->ShowChosenSize();
                    TOP_DLG(m_dlgRozlisenie);
                }
            }
            break;
        case 604:
            if (m_dlgCasovac) {
                m_dlgCasovac->visible = !m_dlgCasovac->visible;
                if (m_dlgCasovac->visible) TOP_DLG(m_dlgCasovac);
            }
            break;
        case 1222:
            if (m_dlgRozlisenie) {
                const int oldW = tk_ScreenW;
                const int oldH = tk_ScreenH;
                tk_APP_ZmenRozlisenie(m_dlgRozlisenie->chosen_w, m_dlgRozlisenie->chosen_h);
                ChangedResolution(oldW, oldH, tk_ScreenW, tk_ScreenH);
                m_dlgRozlisenie->visible = false;
            }
            break;
        default:
            break;
    }
    return false;
}

void tk_CAppScreen::ChangedResolution(int, int, int, int) {
    tk_APP_Synchro_dll2App(&m_ScrW, &m_ScrH, &m_ScrCX, &m_ScrCY, &m_lpDD, &m_lpDDSPrimary, &m_lpDDSBack,
                           &m_lpDDPal);
    for (int i = 0; i < 4; ++i) {
        if (tk_CPol* b = CornerButton(i)) b->CHOD_NA(tk_ScreenW - kCorners[i].fromRight, kCorners[i].y);
    }
    if (m_dlgRozlisenie) m_dlgRozlisenie->CHOD_NA(tk_ScreenW - 500, 50);
    if (m_dlgCasovac) m_dlgCasovac->CHOD_NA(tk_ScreenW - 600, 70);
    if (m_dlgInfo) m_dlgInfo->CHOD_NA_CENTER(tk_ScreenCX, tk_ScreenCY);
}

void tk_CAppScreen::ToggleSetupButtons() {
    for (int i : {2, 3}) {
        if (tk_CPol* b = CornerButton(i)) b->visible = !b->visible;
    }
    if (m_dlgRozlisenie) m_dlgRozlisenie->visible = false;
    if (m_dlgCasovac) m_dlgCasovac->visible = false;
}

void tk_CAppScreen::Close() {
    if (!closing_) WriteSettings();
    closing_ = true;
    tk_APP_Zavri(tk_hWnd);
}

void tk_CAppScreen::ReadSettings() {
    if (!m_LocApp_INI[0]) return;
    tk_TAppSettings s{tk_ScreenW, tk_ScreenH, 2, 16};
    if (m_dlgCasovac) {
        s.level = m_dlgCasovac->level;
        s.period = m_dlgCasovac->period;
    }
    if (!tk_APP_ReadSettings(m_LocApp_INI, &s)) return;
    tk_ScreenW = s.screen_w;
    tk_ScreenH = s.screen_h;
    if (m_dlgCasovac) {
        m_dlgCasovac->level = s.level;
        m_dlgCasovac->period = s.period;
    }
}

void tk_CAppScreen::WriteSettings() {
    if (!m_LocApp_INI[0]) return;
    tk_TAppSettings s{m_ScrW, m_ScrH, 2, 16};
    if (m_dlgCasovac) {
        s.level = m_dlgCasovac->level;
        s.period = m_dlgCasovac->period;
    }
    tk_APP_WriteSettings(m_LocApp_INI, s);
}

void tk_CAppScreen::Init() {}
void tk_CAppScreen::Init2() {}
void tk_CAppScreen::Do_LOAD_SRF() {}
void tk_CAppScreen::Do_RELEASE_SRF() {}
void tk_CAppScreen::Do_RESTORE_SRF() {}
void tk_CAppScreen::Redraw_Screen() {}
void tk_CAppScreen::HandleWMInteraction(HWND, UINT, WPARAM, LPARAM) {}
