// Drawing the game: the table with its cards, pictures, names and frames, the hint of an empty
// start, then the found list, the banner, the menus and the pointer. The framework draws the
// element tree (menu button, congratulation) over all of it.
#include <string>
#include <vector>

#include "framework/app/tk_APP.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_card_faces.h"
#include "game/kartola_focus.h"
#include "game/kartola_fonts.h"
#include "game/kartola_frame_list.h"
#include "game/kartola_list_image.h"
#include "game/kartola_table.h"
#include "game/kartola_table_clear.h"
#include "platform/ddraw/surface_access.h"

namespace {

constexpr COLORREF kNarrowedColour = RGB(80, 0, 0);
constexpr COLORREF kNameColour = RGB(0, 0, 0);

// The card's box in the pen, hollow.
void frame(IDirectDrawSurface* surface, const CKarta* card, HPEN pen) {
    if (!card || !pen) return;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    dc.select(GetStockObject(NULL_BRUSH));
    dc.select(pen);
    Rectangle(dc, card->x, card->y, card->x + card->sir, card->y + card->vys);
}

// One line of a name: dark red in its own narrowed font, black in the common one.
void drawLine(HDC dc, RECT r, UINT format, HFONT own, const char* text) {
    tk_glob_Text_draw_font(dc, &r, format, own ? kNarrowedColour : kNameColour, own ? own : g_hTextFont,
                           text);
}

// The name centred on the card: on one line, or on two that meet at the card's middle.
void drawName(IDirectDrawSurface* surface, const CKarta* card) {
    const TKartaText* name = NameOf(card->pair);
    if (!name) return;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    const RECT r{card->x, card->y, card->x + card->sir, card->y + card->vys};
    if (name->split > 0) {
        const LONG middle = r.top + (r.bottom - r.top) / 2;
        const UINT line = DT_CENTER | DT_SINGLELINE | DT_NOPREFIX;
        const std::string first(name->text, static_cast<std::size_t>(name->split - 1));
        drawLine(dc, RECT{r.left, r.top, r.right, middle}, line | DT_BOTTOM, name->font, first.c_str());
        drawLine(dc, RECT{r.left, middle, r.right, r.bottom}, line | DT_TOP, name->second_font,
                 name->text + name->split);
    } else {
        drawLine(dc, r, kTableTextFormat, name->font, name->text);
    }
}

}  // namespace

void DrawCardFace(IDirectDrawSurface* surface, CKarta* card) {
    card->ZOBRAZ(surface);
    if (!card->visible) return;
    if (card->kind == 'I') {
        if (tk_CIcon* picture = PictureOf(card->pair)) picture->ZOBRAZ(surface, card->x, card->y);
    } else {
        drawName(surface, card);
    }
}

void CKartolaApp::Redraw_Screen() {
    IDirectDrawSurface* back = tk_lpDDSBack;
    if (!back) return;
    // The congratulation stands aside while a menu is open, so that the menu can be read.
    m_lblSuper->visible = won_ && !MenuOpen();
    TableClear& clear = TheTableClear();
    // A frame that never reached the screen leaves the screen behind the back buffer.
    static long drawnAt = -1;
    if (tk_APP_FrameCount() != drawnAt + 1) clear.Forget();
    drawnAt = tk_APP_FrameCount();
    static std::vector<FrameItem> items;
    const bool listed = ListFrame(*this, items);
    clear.Clear(back, kTableColour, listed ? &items : nullptr);
    ZOBRAZ_STOL(back);
    DrawSetsHint(back);
    DrawLeftOutNotice(back);
    if (clear.Draws(kItemFound)) {
        FrameItem found;
        const bool keyed = FoundListWithWhatLiesUnder(*this, items, &found);
        FoundListImage().Draw(back, duir_FINAL, keyed ? &found : nullptr);
    }
    if (clear.Draws(kItemBanner)) banner_sprite.ZOBRAZ(back);
    if (clear.Draws(kItemMenu)) dui_Main.ZOBRAZ(back);
    if (clear.Draws(kItemSets)) utl_duir_DATA.ZOBRAZ(back);
    if (clear.Draws(kItemSounds)) dui_Zvuk.ZOBRAZ(back);
    if (clear.Draws(kItemScan)) dui_Sken.ZOBRAZ(back);
    if (clear.Draws(kItemPointer)) pointer_sprite.ZOBRAZ(back);
    clear.HintChanges(back);
}

// The element tree over the game's frame; in a frame that redraws only what changed, only the
// buttons that changed or lie in the changed area.
void CKartolaApp::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!visible) return;
    const TableClear& clear = TheTableClear();
    for (int i = 0; i < children.count; ++i) {
        tk_CPol* child = static_cast<tk_CPol*>(children.items[i]);
        if (child && (surface != tk_lpDDSBack || clear.Draws(kItemChild | static_cast<std::uint32_t>(i))))
            child->ZOBRAZ(surface);
    }
}

void CKartolaApp::ZOBRAZ_STOL(IDirectDrawSurface* surface) {
    TableClear& clear = TheTableClear();
    CardFaces().BeginTable(surface);
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = CardAt(i);
        if (card && (!card->visible || clear.Draws(kItemCard | static_cast<std::uint32_t>(i))))
            CardFaces().Draw(surface, i, card);
    }
    if (clear.Draws(kItemHover)) frame(surface, CardAt(g_iHoverCard), g_penHover);
    if (clear.Draws(kItemFocus)) DrawFocus(surface);
    if (clear.Draws(kItemHeld)) frame(surface, CardAt(g_iHeldCard), g_penHeld);
}

// The focus ring lies 4 pixels outside the card, so that the held frame on the same card and the
// hover frame stay in sight.
void CKartolaApp::DrawFocus(IDirectDrawSurface* surface) {
    const CKarta* card = CardAt(g_iFocusCard);
    if (!card || !card->visible || !g_penHover) return;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    dc.select(GetStockObject(NULL_BRUSH));
    dc.select(g_penHover);
    Rectangle(dc, card->x - 4, card->y - 4, card->x + card->sir + 4, card->y + card->vys + 4);
}

// White lines in the name font, centred on the table right of the found list.
void CKartolaApp::DrawSetsHint(IDirectDrawSurface* surface) {
    if (sets_hint.empty() || REG_KARTY.count > 0) return;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    const int lineH = 30;
    int lines = 1;
    for (char c : sets_hint) lines += c == '\n';
    int top = m_ScrH / 2 - lines * lineH / 2;
    std::size_t start = 0;
    while (start <= sets_hint.size()) {
        std::size_t end = sets_hint.find('\n', start);
        if (end == std::string::npos) end = sets_hint.size();
        const std::string line = sets_hint.substr(start, end - start);
        RECT r{0, top, m_ScrW, top + lineH};
        tk_glob_Text_draw_font(dc, &r, kTableTextFormat, RGB(255, 255, 255), hint_font_, line.c_str());
        top += lineH;
        start = end + 1;
    }
}
