// Play: the window messages the game handles before the framework does. The pointer moves the
// pointer sprite and drags the held card; the left button chooses in the menus and lists and takes
// and drops cards; the right button brings the menu to the pointer; keys change the menu's look
// and the name font; each tick of the timer moves the banner.
#define TK_MODULE "Kartola"
#include <cstdint>
#include <string>

#include "framework/graphics/tk_Display.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_globals.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_fonts.h"
#include "game/kartola_rules.h"
#include "game/kartola_table.h"

namespace {

// Where the banner comes back from after it left the screen on the right.
constexpr int kBannerRestartX = -600;
constexpr int kBannerStep = 2;

// The grab offset of the held card, kept apart from the one the element tree shares, so that
// another element taken on the same press cannot shift the card.
int g_heldDx = 0;
int g_heldDy = 0;

bool held(int vk) {
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

// The list's pending choice after a pointer event: true with its value.
bool chosen(tk_CDUI& list, int px, int py, int code, int* value) {
    list.INFORMUJ_SA(px, py, code);
    return list.INFORMUJ_MA(value);
}

}  // namespace

void CKartolaApp::HandleWMInteraction(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto packed = static_cast<std::uintptr_t>(lParam);
    switch (msg) {
        case WM_SETCURSOR:
            SetCursor(nullptr);
            break;
        case WM_MOUSEMOVE:
            OnPointerMove(LOWORD(packed), HIWORD(packed));
            break;
        case WM_LBUTTONDOWN:
            OnLeftDown();
            break;
        case WM_LBUTTONUP:
            OnLeftUp();
            break;
        case WM_RBUTTONDOWN:
            px_ = LOWORD(packed);
            py_ = HIWORD(packed);
            dui_Main.visible = true;
            dui_Main.CHOD_NA_CENTER(px_, py_);
            snd_naraz.SPUSTI();
            g_bMenuFollows = true;
            break;
        case WM_RBUTTONUP:
            g_bMenuFollows = false;
            break;
        case WM_KEYDOWN:
            OnKey(static_cast<int>(wParam));
            break;
        case WM_TIMER:
            if (banner_sprite.state != 2) {
                banner_sprite.x += kBannerStep;
                if (banner_sprite.x > m_ScrW + 200) banner_sprite.x = kBannerRestartX;
            }
            break;
        default:
            break;
    }
}

void CKartolaApp::OnPointerMove(int px, int py) {
    px_ = px;
    py_ = py;
    pointer_sprite.CHOD_NA(px, py);
    banner_sprite.INFORMUJ_SA(px, py, 0);
    if (CKarta* card = CardAt(g_iHeldCard)) {
        tk_drag_dx = g_heldDx;
        tk_drag_dy = g_heldDy;
        card->INFORMUJ_SA(px, py, 0);
        KeepBelowTableTop(card);
    } else {
        // A held index that names no card (a smaller set came) counts as none. A button or
        // dialog of the framework lies over the cards and takes the pointer instead.
        g_iHeldCard = -1;
        g_iHoverCard = OverFrameworkElement(px, py) ? -1 : CardUnderPointer(px, py);
        if (CKarta* hover = CardAt(g_iHoverCard)) hover->INFORMUJ_SA(px, py, 0);
    }
    for (tk_CDUI* list : {static_cast<tk_CDUI*>(&dui_Main), static_cast<tk_CDUI*>(&utl_duir_DATA), &dui_Zvuk,
                          static_cast<tk_CDUI*>(&duir_FINAL)})
        list->INFORMUJ_SA(px, py, 0);
    if (g_bMenuFollows) dui_Main.CHOD_NA_CENTER(px, py);
}

void CKartolaApp::OnLeftDown() {
    const int px = px_, py = py_;
    pointer_sprite.SF(1);
    // A click on the banner removes it for the rest of the run.
    banner_sprite.INFORMUJ_SA(px, py, 1);
    if (banner_sprite.state == 2 && banner_sprite.visible) {
        banner_sprite.visible = false;
        banner_sprite.state = 0;
    }
    int v = 0;
    if (chosen(dui_Main, px, py, 1, &v)) {
        if (v == kMenuScatter) {
            snd_cvak.SPUSTI();
            // After a won game there is nothing left to scatter: the set is dealt again instead.
            if (won_ && !current_set_.empty()) {
                LoadSet(std::string(current_set_).c_str());
                NASTAV_FONTY();
            } else {
                Scatter();
            }
        } else if (v == kMenuQuit) {
            snd_koniec.SPUSTI();
            Close();
        }
    }
    if (chosen(utl_duir_DATA, px, py, 1, &v)) {
        snd_cvak.SPUSTI();
        tk_TVOLBAR* row = utl_duir_DATA.VratVolbu__hodnotovo(v);
        if (!row) {
            TK_LOG_ERR("Nenajdena volba");
            TK_FAIL("Nenajdena volba");
        }
        if (row->data) {
            LoadSet(static_cast<const char*>(row->data));
            NASTAV_FONTY();
        }
    }
    if (chosen(dui_Zvuk, px, py, 1, &v)) {
        snd_cvak.SPUSTI();
        if (v == kSoundsOff) g_bCardSounds = false;
        if (v == kSoundsOn) g_bCardSounds = true;
    }
    // Rows of the found list carry pair + 1; a row plays its pair's sound whatever the card sounds.
    if (chosen(duir_FINAL, px, py, 1, &v)) {
        if (tk_CDSO_Zvuk* sound = SoundOf(v - 1)) sound->SPUSTI();
    }
    if (OverFrameworkElement(px, py)) g_iHoverCard = -1;
    if (CKarta* card = CardAt(g_iHoverCard)) {
        g_iHeldCard = g_iHoverCard;
        g_iHoverCard = -1;
        card->INFORMUJ_SA(px, py, 1);
        g_heldDx = px - card->x;
        g_heldDy = py - card->y;
        if (g_bCardSounds) {
            if (tk_CDSO_Zvuk* sound = SoundOf(card->pair)) sound->SPUSTI();
        }
    } else {
        g_iHoverCard = -1;
    }
}

void CKartolaApp::OnLeftUp() {
    const int px = px_, py = py_;
    pointer_sprite.SF(0);
    banner_sprite.INFORMUJ_SA(px, py, -1);
    for (tk_CDUI* list : {static_cast<tk_CDUI*>(&dui_Main), static_cast<tk_CDUI*>(&utl_duir_DATA), &dui_Zvuk,
                          static_cast<tk_CDUI*>(&duir_FINAL)})
        list->INFORMUJ_SA(px, py, -1);
    if (CKarta* hover = CardAt(g_iHoverCard)) hover->INFORMUJ_SA(px, py, -1);
    g_iHoverCard = -1;
    if (CKarta* card = CardAt(g_iHeldCard)) {
        card->INFORMUJ_SA(px, py, -1);
        KeepBelowTableTop(card);
        DropHeldCard(this);
    }
    g_iHeldCard = -1;
}

void CKartolaApp::OnKey(int key) {
    const int step = held(VK_CONTROL) || held(VK_SHIFT) ? -1 : 1;
    switch (key) {
        case VK_SPACE:
            dui_Main.visible = true;
            dui_Main.RESET_DEFAULT((dui_Main.trieda + 1) % 3);
            dui_Main.je_popup = false;
            return;
        case VK_F1:
            g_TextFontW += step;
            break;
        case VK_F2:
            g_TextFontH += step;
            break;
        case VK_F3:
            g_iTextFont += step;
            if (g_iTextFont > REG_FONTY.count - 1) g_iTextFont = REG_FONTY.count - 1;
            if (g_iTextFont < 0) g_iTextFont = 0;
            break;
        default:
            return;
    }
    NASTAV_FONTY();
}
