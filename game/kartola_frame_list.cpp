#include "game/kartola_frame_list.h"

#include <algorithm>
#include <cstdlib>

#include "framework/app/tk_APP_Editor.h"
#include "framework/editor/tk_KM.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/widgets/tk_DSGN.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_focus.h"
#include "game/kartola_fonts.h"
#include "game/kartola_table.h"

namespace {

// Card boxes reach past the card by the etched frame (four pixels) and the focus ring's pen.
constexpr int kCardMargin = 6;

// A picture's pixels come from its sheet; a lost sheet draws nothing and is refilled by the draw
// that meets the loss, so the next frame draws it again.
ItemKey& addSheet(ItemKey& key, const tk_CDas_Surface* sheet) {
    key.Add(sheet);
    if (sheet) key.Add(sheet->SURFACE).Add(sheet->SURFACE && sheet->SURFACE->IsLost() != DD_OK);
    return key;
}

RECT boxOf(tk_CPol& e, int margin) {
    int w = 0, h = 0;
    e.GetSize(&w, &h);
    return RECT{e.x - margin, e.y - margin, e.x + w + margin, e.y + h + margin};
}

RECT unite(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT cardBox(const CKarta* card) {
    return RECT{card->x - kCardMargin, card->y - kCardMargin, card->x + card->sir + kCardMargin,
                card->y + card->vys + kCardMargin};
}

ItemKey& addIcon(ItemKey& key, const tk_CIcon* icon) {
    key.Add(icon);
    if (icon) {
        addSheet(key, icon->surface).Add(icon->visible);
        key.Add(RECT{icon->phase.x, icon->phase.y, icon->phase.x2, icon->phase.y2})
            .Add(static_cast<std::uint64_t>(icon->phase.w))
            .Add(static_cast<std::uint64_t>(icon->phase.h));
    }
    return key;
}

// A sprite's pixels: its place, its phase of its sheet, or the box it paints without one.
std::uint64_t spriteKey(tk_CDAS& s) {
    ItemKey key;
    key.Add(s.visible).Add(static_cast<std::uint64_t>(s.x)).Add(static_cast<std::uint64_t>(s.y));
    key.Add(static_cast<std::uint64_t>(s.current)).Add(static_cast<std::uint64_t>(s.mirrored));
    addSheet(key, s.surface);
    key.Add(static_cast<std::uint64_t>(s.phases.count));
    if (s.current >= 0 && s.current < s.phases.count) key.Add(s.phases.items[s.current]);
    key.Add(static_cast<std::uint64_t>(s.void_SIR)).Add(static_cast<std::uint64_t>(s.void_VYS));
    key.Add(static_cast<std::uint64_t>(s.class_id)).Add(std::string_view(s.name));
    return key.Value();
}

std::uint64_t cardKey(const CKarta* card) {
    ItemKey key;
    key.Add(card).Add(static_cast<std::uint64_t>(card->kind)).Add(static_cast<std::uint64_t>(card->pair));
    key.Add(cardBox(card))
        .Add(static_cast<std::uint64_t>(card->title_h))
        .Add(static_cast<std::uint64_t>(card->podklad));
    key.Add(std::string_view(card->title)).Add(card->brush_body).Add(card->brush_title);
    key.Add(card->pen_white).Add(card->pen_light).Add(card->pen_mid).Add(card->pen_dark);
    addIcon(key, card->picture);
    key.Add(static_cast<std::uint64_t>(g_uTableVersion));
    if (card->kind == 'I') {
        addIcon(key, PictureOf(card->pair));
    } else {
        const TKartaText* name = NameOf(card->pair);
        key.Add(name).Add(static_cast<std::uint64_t>(g_uNameFontsVersion));
        if (name)
            key.Add(std::string_view(name->text))
                .Add(name->font)
                .Add(name->second_font)
                .Add(static_cast<std::uint64_t>(name->split));
    }
    return key.Value();
}

// A frame drawn with the pen around the card's box.
void addFrame(std::vector<FrameItem>& items, std::uint32_t id, const CKarta* card, HPEN pen) {
    if (!card || !pen) return;
    items.push_back(FrameItem{id, cardBox(card), ItemKey().Add(cardBox(card)).Add(pen).Value()});
}

// A list as it is drawn: its look, its entries with their places, states, texts and icons, and a
// row list's scroll parts.
std::uint64_t listKey(tk_CDUI& list, const tk_CDUIR* rows) {
    ItemKey key;
    key.Add(static_cast<std::uint64_t>(list.x)).Add(static_cast<std::uint64_t>(list.y)).Add(list.obal);
    key.Add(RECT{list.vnutro.left, list.vnutro.top, list.vnutro.right, list.vnutro.bottom});
    key.Add(static_cast<std::uint64_t>(list.trieda)).Add(static_cast<std::uint64_t>(list.podklad));
    key.Add(static_cast<std::uint64_t>(list.styl))
        .Add(list.oble)
        .Add(RECT{list.oble_x, list.oble_y, list.nafuk_x, list.nafuk_y});
    key.Add(RECT{list.posun, list.posun_x, list.posun_y, list.ramik_volieb});
    key.Add(RECT{list.a, list.b, list.c, list.d}).Add(static_cast<std::uint64_t>(list.max_riadkov));
    key.Add(std::string_view(list.text_mode)).Add(std::string_view(list.icon_mode));
    key.Add(RECT{list.text_okraj, list.icon_okraj, list.text_fit, 0});
    key.Add(list.stetec_1).Add(list.stetec_2).Add(list.stetec_3).Add(list.stetec_podklad);
    key.Add(list.pero_level).Add(list.pero_ramik).Add(list.font);
    // A new set's pictures and texts may come at the addresses of the last set's.
    key.Add(static_cast<std::uint64_t>(list.volby.count))
        .Add(tk_CDUI_void_flag)
        .Add(std::uint64_t{g_uTableVersion});
    for (int i = 0; i < list.volby.count; ++i) {
        const tk_TVOLBA* entry = list.EntryAt(i);
        key.Add(entry);
        if (!entry) continue;
        key.Add(entry->rect).Add(entry->rect2).Add(static_cast<std::uint64_t>(entry->rect2_mode));
        key.Add(static_cast<std::uint64_t>(entry->stav)).Add(entry->text);
        if (entry->text) key.Add(std::string_view(entry->text));
        key.Add(RECT{entry->text_w, entry->text_h, 0, 0});
        addIcon(key, entry->icon);
    }
    if (rows) {
        key.Add(static_cast<std::uint64_t>(rows->VOLR.count)).Add(rows->posuvanie);
        key.Add(RECT{rows->riadkov, rows->pozicia, rows->rozsah, 0});
        if (rows->posuvanie) {
            tk_CDUIR& r = const_cast<tk_CDUIR&>(*rows);
            key.Add(spriteKey(r.posuv)).Add(spriteKey(r.tlac_hore)).Add(spriteKey(r.tlac_dole));
            addIcon(key, &r.draha);
        }
    }
    return key.Value();
}

// Everything a list may draw: its bounding box (edges inclusive), the highlights its entries grow
// by, and a row list's track and scroll parts.
RECT listBox(tk_CDUI& list, tk_CDUIR* rows) {
    constexpr int kMargin = 8;
    RECT box{list.obal.left - kMargin, list.obal.top - kMargin, list.obal.right + 1 + kMargin,
             list.obal.bottom + 1 + kMargin};
    const int growX = std::abs(list.nafuk_x) + std::abs(list.posun_x) + kMargin;
    const int growY = std::abs(list.nafuk_y) + std::abs(list.posun_y) + kMargin;
    for (int i = 0; i < list.volby.count; ++i) {
        const tk_TVOLBA* entry = list.EntryAt(i);
        if (!entry) continue;
        const RECT& e = entry->rect2_mode > 0 ? entry->rect2 : entry->rect;
        box = unite(box,
                    RECT{std::min(e.left, entry->rect.left) - growX, std::min(e.top, entry->rect.top) - growY,
                         std::max(e.right, entry->rect.right) + 1 + growX,
                         std::max(e.bottom, entry->rect.bottom) + 1 + growY});
    }
    if (rows && rows->posuvanie) {
        for (tk_CPol* part : {static_cast<tk_CPol*>(&rows->posuv), static_cast<tk_CPol*>(&rows->tlac_hore),
                              static_cast<tk_CPol*>(&rows->tlac_dole)})
            box = unite(box, boxOf(*part, kMargin));
        const int tx = list.vnutro.right + list.d;
        box = unite(box, RECT{tx - kMargin, list.vnutro.top - kMargin, tx + rows->draha.phase.w + kMargin,
                              list.vnutro.bottom + rows->draha.phase.h + kMargin});
    }
    return box;
}

// A shown list, laid out as its drawing would lay it out; false when it cannot be listed.
bool addList(std::vector<FrameItem>& items, std::uint32_t id, tk_CDUI& list, tk_CDUIR* rows) {
    if (!list.visible) return true;
    if (rows ? rows->VOLR.count == 0 && tk_CDUI_void_flag : list.volby.count == 0 && tk_CDUI_void_flag)
        return true;
    if (rows && (rows->zmenaR || rows->zmena)) rows->RESET_GEOMETRIER();
    if (!rows && list.zmena) list.RESET_GEOMETRIE();
    if (list.zmena || (rows && rows->zmenaR)) return false;
    items.push_back(FrameItem{id, listBox(list, rows), listKey(list, rows)});
    return true;
}

// Whether everything the game draws under its lists has a box: no backdrop, no hint of an empty
// table, no notice of left-out files, no editor.
bool onlyListedUnderLists(const CKartolaApp& app) {
    return !tk_KM_on && !tk_APP_EditorOn() && app.left_out_.empty() &&
           (app.sets_hint.empty() || REG_KARTY.count > 0) && app.m_BackColor < 0 && !app.m_bLogo &&
           !(tk_DSGN.background_srf && tk_DSGN.background_srf->SURFACE);
}

}  // namespace

bool ListFrame(CKartolaApp& app, std::vector<FrameItem>& items) {
    items.clear();
    bool listed = onlyListedUnderLists(app);
    for (int i = 0; i < REG_KARTY.count; ++i) {
        const CKarta* card = CardAt(i);
        if (card && card->visible)
            items.push_back(
                FrameItem{kItemCard | static_cast<std::uint32_t>(i), cardBox(card), cardKey(card)});
    }
    addFrame(items, kItemHover, CardAt(g_iHoverCard), g_penHover);
    const CKarta* focus = CardAt(g_iFocusCard);
    addFrame(items, kItemFocus, focus && focus->visible ? focus : nullptr, g_penHover);
    addFrame(items, kItemHeld, CardAt(g_iHeldCard), g_penHeld);
    listed = addList(items, kItemFound, app.duir_FINAL, &app.duir_FINAL) && listed;
    if (app.banner_sprite.visible)
        items.push_back(FrameItem{kItemBanner, boxOf(app.banner_sprite, 2), spriteKey(app.banner_sprite)});
    listed = addList(items, kItemMenu, app.dui_Main, nullptr) && listed;
    listed = addList(items, kItemSets, app.utl_duir_DATA, &app.utl_duir_DATA) && listed;
    listed = addList(items, kItemSounds, app.dui_Zvuk, nullptr) && listed;
    listed = addList(items, kItemScan, app.dui_Sken, nullptr) && listed;
    if (app.pointer_sprite.visible)
        items.push_back(FrameItem{kItemPointer, boxOf(app.pointer_sprite, 2), spriteKey(app.pointer_sprite)});
    // The element tree, drawn after the game's frame: buttons have their boxes, the rest has none.
    for (int i = 0; i < app.children.count; ++i) {
        tk_CPol* child = static_cast<tk_CPol*>(app.children.items[i]);
        if (!child || !child->visible) continue;
        if (child->class_id != tk_CLASS_CTlac) {
            listed = false;
            continue;
        }
        items.push_back(FrameItem{kItemChild | static_cast<std::uint32_t>(i), boxOf(*child, 4),
                                  spriteKey(*static_cast<tk_CDAS*>(child))});
    }
    return listed;
}

bool FoundListWithWhatLiesUnder(const CKartolaApp& app, const std::vector<FrameItem>& items,
                                FrameItem* found) {
    if (!onlyListedUnderLists(app)) return false;
    const auto list =
        std::find_if(items.begin(), items.end(), [](const FrameItem& item) { return item.id == kItemFound; });
    if (list == items.end()) return false;
    // The table's colour lies under the box but where these items drew, in this order.
    ItemKey key;
    key.Add(list->key);
    for (auto under = items.begin(); under != list; ++under) {
        if (BoxesMeet(under->box, list->box))
            key.Add(static_cast<std::uint64_t>(under->id)).Add(under->box).Add(under->key);
    }
    *found = FrameItem{list->id, list->box, key.Value()};
    return true;
}
