// Keys of the game: the name font (F1, F2, F3, with Shift the other way), the menu's look (Space),
// the menu by keys (F10 or the context-menu key; arrows walk it, Enter chooses, Escape closes),
// play on the table by keys (arrows and Tab move the focus ring, Enter takes, pairs and puts down,
// Escape puts a held card back) and one-switch scanning. A key the game takes means nothing else;
// Ctrl+F1 and Ctrl+F2 are left to the framework (layout editor, set-up buttons).
#define TK_MODULE "Kartola"
#include <algorithm>
#include <string>

#include "framework/app/tk_APP_Editor.h"
#include "framework/graphics/tk_Display.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/support/tk_LOG.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_focus.h"
#include "game/kartola_fonts.h"
#include "game/kartola_rules.h"
#include "game/kartola_table.h"

namespace {

// Held when the key message being handled was sent.
bool held(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// The middle of an entry, where a pointer over it would be.
POINT middle(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// How many places a walk goes through: the rows of a row list (also those scrolled away), else
// the entries.
int walkLength(tk_CDUI* list) {
    auto* rows = dynamic_cast<tk_CDUIR*>(list);
    return rows ? rows->CountR() : list->volby.count;
}

// The entry showing place i of a walk. A row list scrolls by whole rows until row i is shown
// whole; its entries then show the rows from the first one whole in order.
tk_TVOLBA* entryShowing(tk_CDUI* list, int i) {
    auto* rows = dynamic_cast<tk_CDUIR*>(list);
    if (!rows) return list->EntryAt(i);
    if (rows->zmena || rows->zmenaR) rows->RESET_GEOMETRIE();
    if (!rows->posuvanie) return list->EntryAt(i);
    const int step = std::max(rows->b, 1), lines = rows->riadkov;
    int first = (rows->pozicia + step - 1) / step;
    first = std::clamp(first, i - lines + 1, i);
    first = std::clamp(first, 0, std::max(0, rows->CountR() - lines));
    rows->posuv.SP(first * step);
    rows->RESET_GEOMETRIE();
    return list->EntryAt(i - first);
}

// A switch's "Vypnúť / Zapnúť" entries with ✓ before the state in force.
void markSwitch(tk_CDUI* list, bool on) {
    for (int i = 0; i < list->volby.count; ++i) {
        tk_TVOLBA* entry = list->EntryAt(i);
        const char* text = entry->id == kSoundsOn ? "Zapnúť" : "Vypnúť";
        const bool marked = entry->id == (on ? kSoundsOn : kSoundsOff);
        entry->SetText(marked ? (std::string("✓ ") + text).c_str() : text, true);
    }
    list->zmena = true;
}

}  // namespace

bool CKartolaApp::OnKey(int key) {
    // While the layout editor is on, every key is the editor's.
    if (tk_APP_EditorOn()) return false;
    const bool shift = held(VK_SHIFT);
    const bool ctrl = held(VK_CONTROL);
    if (scan_ms > 0 && (key == VK_SPACE || key == VK_RETURN)) {
        OnSwitch();
        return true;
    }
    if (key == VK_F10 || key == VK_APPS) {
        if (MenuOpen()) {
            CloseMenus();
        } else {
            OpenMenuByKey();
        }
        return true;
    }
    if (MenuOpen() && OnMenuKey(key)) return true;
    if (OnFontKey(key, shift, ctrl)) return true;
    return OnTableKey(key);
}

// ---- Name font and the menu's look --------------------------------------------------------------

bool CKartolaApp::OnFontKey(int key, bool shift, bool ctrl) {
    switch (key) {
        case VK_SPACE:
            // The next look; the menu stays a pop-up, so that it closes as in every look, and it
            // opens under the menu button, never behind it.
            dui_Main.visible = true;
            dui_Main.RESET_DEFAULT((dui_Main.trieda + 1) % 3);
            dui_Main.je_popup = true;
            dui_Main.CHOD_NA(m_ScrCX - 64, 28);
            return true;
        case VK_F1:
        case VK_F2:
            // Ctrl without Shift belongs to the framework.
            if (ctrl && !shift) return false;
            (key == VK_F1 ? g_TextFontW : g_TextFontH) += shift ? -1 : 1;
            break;
        case VK_F3:
            g_iTextFont += shift || ctrl ? -1 : 1;
            if (g_iTextFont > REG_FONTY.count - 1) g_iTextFont = REG_FONTY.count - 1;
            if (g_iTextFont < 0) g_iTextFont = 0;
            break;
        default:
            return false;
    }
    NASTAV_FONTY();
    return true;
}

// ---- The menu by keys ---------------------------------------------------------------------------

bool CKartolaApp::MenuOpen() const {
    return dui_Main.visible || utl_duir_DATA.visible || dui_Zvuk.visible || dui_Sken.visible;
}

std::array<tk_CDUI*, 4> CKartolaApp::MenuLists() {
    return {&dui_Main, &utl_duir_DATA, &dui_Zvuk, &dui_Sken};
}

void CKartolaApp::OpenMenuByKey() {
    dui_Main.visible = true;
    dui_Main.je_popup = true;
    dui_Main.CHOD_NA(m_ScrCX - 64, 28);
    snd_naraz.SPUSTI();
    WalkMenu(&dui_Main, 0);
}

void CKartolaApp::CloseMenus() {
    for (tk_CDUI* list : MenuLists()) {
        list->visible = false;
        for (int i = 0; i < list->volby.count; ++i) list->EntryAt(i)->stav = 0;
    }
    walked_list_ = nullptr;
    walked_entry_ = -1;
}

// The walked entry is shown as if the pointer were over it: highlighted, and its sub-menu open.
void CKartolaApp::WalkMenu(tk_CDUI* list, int entry) {
    if (list->zmena) list->RESET_GEOMETRIE();
    const int n = walkLength(list);
    if (n < 1) return;
    walked_list_ = list;
    walked_entry_ = ((entry % n) + n) % n;
    tk_TVOLBA* shown = entryShowing(list, walked_entry_);
    if (!shown) return;
    const POINT p = middle(shown->rect);
    list->INFORMUJ_SA(p.x + (list->posun == 1 ? list->posun_x : 0),
                      p.y + (list->posun == 1 ? list->posun_y : 0), 0);
}

void CKartolaApp::ChooseWalkedEntry() {
    tk_CDUI* list = walked_list_;
    tk_TVOLBA* entry = list ? entryShowing(list, walked_entry_) : nullptr;
    if (!entry) return;
    // An entry that opens a list goes into it.
    if (entry->detail) return WalkMenu(entry->detail, 0);
    const POINT p = middle(entry->rect);
    const int px = p.x + (list->posun == 1 ? list->posun_x : 0);
    const int py = p.y + (list->posun == 1 ? list->posun_y : 0);
    list->INFORMUJ_SA(px, py, 1);
    int value = 0;
    const bool chose = list->INFORMUJ_MA(&value);
    // The release closes the pop-ups, as a click does.
    list->INFORMUJ_SA(px, py, -1);
    walked_list_ = nullptr;
    walked_entry_ = -1;
    if (!chose) return;
    if (list == &dui_Main) MenuChosen(value);
    if (list == &utl_duir_DATA) SetChosen(value);
    if (list == &dui_Zvuk) SoundChosen(value);
    if (list == &dui_Sken) ScanChosen(value);
    if (!MenuOpen()) return;
    // A menu that is not a pop-up stays: walk it on.
    CloseMenus();
}

bool CKartolaApp::OnMenuKey(int key) {
    // A menu opened by the pointer is walked from its first entry.
    if (!walked_list_ || !walked_list_->visible) {
        if (key != VK_UP && key != VK_DOWN && key != VK_LEFT && key != VK_RIGHT && key != VK_RETURN &&
            key != VK_ESCAPE && key != VK_TAB)
            return false;
        if (key == VK_ESCAPE) {
            CloseMenus();
            return true;
        }
        tk_CDUI* open = dui_Sken.visible        ? &dui_Sken
                        : dui_Zvuk.visible      ? &dui_Zvuk
                        : utl_duir_DATA.visible ? static_cast<tk_CDUI*>(&utl_duir_DATA)
                                                : &dui_Main;
        WalkMenu(open, 0);
        return true;
    }
    tk_CDUI* list = walked_list_;
    // A bar lies along a row: its entries go left and right.
    const bool across = list->trieda != 2;
    const int next = across ? VK_RIGHT : VK_DOWN;
    const int prev = across ? VK_LEFT : VK_UP;
    const int into = across ? VK_DOWN : VK_RIGHT;
    const int outOf = across ? VK_UP : VK_LEFT;
    if (key == next || (key == VK_TAB && !held(VK_SHIFT))) {
        WalkMenu(list, walked_entry_ + 1);
    } else if (key == prev || key == VK_TAB) {
        WalkMenu(list, walked_entry_ - 1);
    } else if (key == VK_RETURN) {
        ChooseWalkedEntry();
    } else if (key == into) {
        tk_TVOLBA* entry = entryShowing(list, walked_entry_);
        if (entry && entry->detail) WalkMenu(entry->detail, 0);
    } else if (key == VK_ESCAPE || key == outOf) {
        if (list->master && list->master->visible) {
            // Back to the entry that opened this list.
            list->visible = false;
            tk_CDUI* master = list->master;
            for (int i = 0; i < master->volby.count; ++i)
                if (master->EntryAt(i)->detail == list) WalkMenu(master, i);
            list->visible = false;
        } else if (key == VK_ESCAPE) {
            CloseMenus();
        }
    } else {
        return false;
    }
    return true;
}

// ---- Play on the table by keys ------------------------------------------------------------------

bool CKartolaApp::OnTableKey(int key) {
    switch (key) {
        case VK_LEFT:
            g_iFocusCard = CardInDirection(g_iFocusCard, -1, 0);
            return true;
        case VK_RIGHT:
            g_iFocusCard = CardInDirection(g_iFocusCard, 1, 0);
            return true;
        case VK_UP:
            g_iFocusCard = CardInDirection(g_iFocusCard, 0, -1);
            return true;
        case VK_DOWN:
            g_iFocusCard = CardInDirection(g_iFocusCard, 0, 1);
            return true;
        case VK_TAB:
            g_iFocusCard = CardInReadingOrder(g_iFocusCard, held(VK_SHIFT) ? -1 : 1);
            return true;
        case VK_RETURN:
            ActOnFocus();
            return true;
        case VK_ESCAPE:
            // With a card held Escape puts it back; otherwise it is the framework's quit.
            if (!CardAt(g_iHeldCard)) return false;
            PutBackHeldCard();
            return true;
        default:
            return false;
    }
}

void CKartolaApp::ActOnFocus() {
    // While scanning, the card the focus lands on after the switch gets a whole step too.
    if (scan_ms > 0) SetTimer(tk_hWnd, kScanTimer, static_cast<UINT>(scan_ms), nullptr);
    CKarta* focus = CardAt(g_iFocusCard);
    if (!focus || !focus->visible) {
        g_iFocusCard = CardInReadingOrder(-1, 1);
        return;
    }
    CKarta* card = CardAt(g_iHeldCard);
    if (!card) {
        // Taken as by a press: the held frame and the card's own sound.
        g_iHeldCard = g_iFocusCard;
        g_iHoverCard = -1;
        held_from_x_ = focus->x;
        held_from_y_ = focus->y;
        if (g_bCardSounds) {
            if (tk_CDSO_Zvuk* sound = SoundOf(focus->pair)) sound->SPUSTI();
        }
        return;
    }
    if (focus != card && focus->pair == card->pair) {
        // Laid onto its partner: the drop finds the pair, as a drop within the snap distance does.
        card->x = focus->x;
        card->y = focus->y;
        const int was = g_iFocusCard;
        DropHeldCard(this);
        g_iFocusCard = CardInReadingOrder(was, 1);
        return;
    }
    // Any other card: the held one is put down where it lay.
    g_iHeldCard = -1;
}

void CKartolaApp::PutBackHeldCard() {
    CKarta* card = CardAt(g_iHeldCard);
    if (!card) return;
    // A card dragged by the pointer lets go of it first.
    card->INFORMUJ_SA(px_, py_, -1);
    card->x = held_from_x_;
    card->y = held_from_y_;
    g_iHeldCard = -1;
}

void CKartolaApp::OnSwitch() {
    if (MenuOpen() && walked_list_) {
        ChooseWalkedEntry();
    } else {
        ActOnFocus();
    }
}

void CKartolaApp::ScanStep() {
    if (MenuOpen() && walked_list_ && walked_list_->visible) {
        WalkMenu(walked_list_, walked_entry_ + 1);
        return;
    }
    g_iFocusCard = CardInReadingOrder(g_iFocusCard, 1);
}

// ---- What the menus show ------------------------------------------------------------------------

void CKartolaApp::ShowSoundState() {
    markSwitch(&dui_Zvuk, g_bCardSounds);
}

void CKartolaApp::ShowScanState() {
    markSwitch(&dui_Sken, scan_ms > 0);
}
