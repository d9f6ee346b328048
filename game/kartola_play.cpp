// Play: the window messages the game handles before the framework does. The pointer moves the
// pointer sprite and drags the held card; the left button chooses in the menus and lists and takes
// and drops cards; the right button brings the menu to the pointer; keys change the menu's look
// and the name font; each tick of the timer moves the banner.
#define TK_MODULE "Kartola"
#include <cstdint>
#include <cstdlib>
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
constexpr WPARAM kRedrawTimer = 1;

// The grab offset of the held card, kept apart from the one the element tree shares, so that
// another element taken on the same press cannot shift the card.
int g_heldDx = 0;
int g_heldDy = 0;

// A finger moves no more than this many pixels between landing and lifting in a tap.
constexpr int kTapSlop = 8;

// The pointer message being handled was made by a finger on a touch screen.
bool fromTouch() {
    return (GetMessageExtraInfo() & SIGNATURE_MASK) == MI_WP_SIGNATURE;
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
            // The pointer hand shows while a mouse is used, not under a finger.
            touch_ = fromTouch();
            pointer_sprite.visible = !touch_;
            OnPointerMove(LOWORD(packed), HIWORD(packed));
            break;
        case WM_LBUTTONDOWN:
            touch_ = fromTouch();
            pointer_sprite.visible = !touch_;
            OnLeftDown();
            break;
        case WM_LBUTTONUP:
            OnLeftUp();
            break;
        case WM_RBUTTONDOWN:
            px_ = LOWORD(packed);
            py_ = HIWORD(packed);
            OpenMenu();
            dui_Main.CHOD_NA_CENTER(px_, py_);
            snd_naraz.SPUSTI();
            g_bMenuFollows = true;
            break;
        case WM_RBUTTONUP:
            g_bMenuFollows = false;
            break;
        case WM_DESTROY:
            RememberSettings();
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (OnKey(static_cast<int>(wParam))) MarkKeyTaken();
            break;
        case WM_TIMER:
            if (wParam == kScanTimer) ScanStep();
            if (wParam != kRedrawTimer) break;
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
    for (tk_CDUI* list : MenuLists()) list->INFORMUJ_SA(px, py, 0);
    duir_FINAL.INFORMUJ_SA(px, py, 0);
    if (g_bMenuFollows) dui_Main.CHOD_NA_CENTER(px, py);
}

void CKartolaApp::OnLeftDown() {
    const int px = px_, py = py_;
    pointer_sprite.SF(1);
    left_out_.clear();
    // While scanning, a click anywhere is the switch.
    if (scan_ms > 0) return OnSwitch();
    down_x_ = px;
    down_y_ = py;
    if (touch_ && tap_held_ && OnTapWhileHolding()) return;
    tap_held_ = false;
    // A click on the banner removes it for the rest of the run.
    banner_sprite.INFORMUJ_SA(px, py, 1);
    if (banner_sprite.state == 2 && banner_sprite.visible) {
        banner_sprite.visible = false;
        banner_sprite.state = 0;
    }
    int v = 0;
    if (chosen(dui_Main, px, py, 1, &v)) MenuChosen(v);
    if (chosen(utl_duir_DATA, px, py, 1, &v)) SetChosen(v);
    if (chosen(dui_Zvuk, px, py, 1, &v)) SoundChosen(v);
    if (chosen(dui_Sken, px, py, 1, &v)) ScanChosen(v);
    // Rows of the found list carry pair + 1; a row plays its pair's sound whatever the card sounds.
    if (chosen(duir_FINAL, px, py, 1, &v)) {
        if (tk_CDSO_Zvuk* sound = SoundOf(v - 1)) sound->SPUSTI();
    }
    if (OverFrameworkElement(px, py)) g_iHoverCard = -1;
    if (CKarta* card = CardAt(g_iHoverCard)) {
        g_iHeldCard = g_iHoverCard;
        g_iHoverCard = -1;
        held_from_x_ = card->x;
        held_from_y_ = card->y;
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
    if (scan_ms > 0) return;
    banner_sprite.INFORMUJ_SA(px, py, -1);
    for (tk_CDUI* list : MenuLists()) list->INFORMUJ_SA(px, py, -1);
    duir_FINAL.INFORMUJ_SA(px, py, -1);
    if (CKarta* hover = CardAt(g_iHoverCard)) hover->INFORMUJ_SA(px, py, -1);
    g_iHoverCard = -1;
    if (CKarta* card = CardAt(g_iHeldCard)) {
        card->INFORMUJ_SA(px, py, -1);
        // A tap takes the card and it stays taken: the next tap says where it goes.
        if (touch_ && std::abs(px - down_x_) <= kTapSlop && std::abs(py - down_y_) <= kTapSlop) {
            card->x = held_from_x_;
            card->y = held_from_y_;
            tap_held_ = true;
            return;
        }
        KeepBelowTableTop(card);
        DropHeldCard(this);
    }
    g_iHeldCard = -1;
}

// A tap while a tapped card is held: on its partner it makes the pair, on itself it puts it down;
// anywhere else the held card is put down and the tap goes on as a press (taking another card).
bool CKartolaApp::OnTapWhileHolding() {
    const int held = g_iHeldCard;
    CKarta* card = CardAt(held);
    tap_held_ = false;
    if (!card) return false;
    const int target = CardUnderPointer(px_, py_);
    CKarta* other = CardAt(target);
    if (other && other != card && other->pair == card->pair) {
        // Laid onto its partner, as a drop within the snap distance.
        card->x = other->x;
        card->y = other->y;
        DropHeldCard(this);
        return true;
    }
    g_iHeldCard = -1;
    if (other == card) return true;
    g_iHoverCard = target;
    return false;
}

void CKartolaApp::MenuChosen(int value) {
    if (value == kMenuScatter) {
        snd_cvak.SPUSTI();
        // After a won game there is nothing left to scatter: the set is dealt again instead.
        if (won_ && !current_set_.empty()) {
            LoadSet(std::string(current_set_).c_str());
            NASTAV_FONTY();
        } else {
            Scatter();
        }
    } else if (value == kMenuQuit) {
        snd_koniec.SPUSTI();
        Close();
    }
}

void CKartolaApp::SetChosen(int value) {
    snd_cvak.SPUSTI();
    tk_TVOLBAR* row = utl_duir_DATA.VratVolbu__hodnotovo(value);
    if (!row) {
        TK_LOG_ERR("Nenajdena volba");
        TK_FAIL("Nenajdena volba");
    }
    if (row->data) {
        LoadSet(static_cast<const char*>(row->data));
        NASTAV_FONTY();
    }
}

void CKartolaApp::SoundChosen(int value) {
    snd_cvak.SPUSTI();
    if (value == kSoundsOff) g_bCardSounds = false;
    if (value == kSoundsOn) g_bCardSounds = true;
    ShowSoundState();
}

void CKartolaApp::ScanChosen(int value) {
    snd_cvak.SPUSTI();
    if (scan_ms > 0) scan_step_ = scan_ms;
    scan_ms = value == kSoundsOn ? scan_step_ : 0;
    scan_switched_ = true;
    if (scan_ms > 0) {
        SetTimer(tk_hWnd, kScanTimer, static_cast<UINT>(scan_ms), nullptr);
    } else {
        KillTimer(tk_hWnd, kScanTimer);
    }
    ShowScanState();
}
