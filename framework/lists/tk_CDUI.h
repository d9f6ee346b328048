// tk_CDUI: the framework's menu. A screen element holding entries (id, text, optional icon) laid
// out in one of three looks (a row of large buttons, a bar along the top, a vertical menu), drawn
// with hover and press highlights, reporting the chosen entry to its owner and opening other
// lists as pop-ups from its entries.
#pragma once

#include <string>
#include <vector>

#include "framework/support/tk_CARRE.h"
#include "framework/widgets/tk_CPol.h"
#include "platform/platform.h"

class tk_CIcon;
class tk_CPolCHLO;
class tk_TVOLBA;

// False until any list menu or row list is cleared for the first time; while it is false new
// lists start with placeholder entries so that an empty menu still shows its shape.
extern bool tk_CDUI_void_flag;

class tk_CDUI : public tk_CPol {
  public:
    // The entry area of a vertical menu, stored as left, right, top, bottom.
    struct EntryArea {
        int left;
        int right;
        int top;
        int bottom;
    };

    // Pending message for the owner: the id of the entry pressed (or id + 100); 0 = none.
    int sprava;
    // Look class 0, 1 or 2.
    int trieda;
    // The layout must be recomputed before the next draw, hit test or centring.
    bool zmena;
    // Placeholder entries replaced so far, 0..3.
    int void_pocet;
    // Index of the entry under the pointer, before the last event, and newly hovered; -1 none.
    int hover;
    int hover_old;
    int hover_new;
    // Ignores pointer events and is not shown as a pop-up.
    bool zamknute;
    // Destination of ZOBRAZ() without a surface; null draws nothing.
    IDirectDrawSurface* vlastny_srf;
    // Background: 0 none, 1 white net, 2 plain fill, 3 milky.
    int podklad;
    // Bounding rectangle of the whole list.
    RECT obal;
    EntryArea vnutro;
    // Highlights of states 1, 2, 3 (shared, never deleted by a list).
    HBRUSH stetec_1;
    HBRUSH stetec_2;
    HBRUSH stetec_3;
    HBRUSH stetec_podklad;
    // Owned: the bevel frame and the frames around normal entries.
    HPEN pero_level;
    HPEN pero_ramik;
    HFONT font;
    // Pixels per character in the bar layout.
    int sirka_znaku;
    // The entries (tk_TVOLBA*); the list deletes them itself.
    tk_CARRE volby;
    // Layout constants: entry height, row step, entry width, margin and gap.
    int a;
    int b;
    int c;
    int d;
    // When >= 1, entries in state 0 get a frame.
    int ramik_volieb;
    // Placement codes, two letters: horizontal then vertical.
    char text_mode[4];
    int text_okraj;
    char icon_mode[4];
    int icon_okraj;
    // When posun is 1 highlights are shifted by (posun_x, posun_y) and the pointer back by it.
    int posun;
    int posun_x;
    int posun_y;
    // The highlight grows by these on each side.
    int nafuk_x;
    int nafuk_y;
    // Rounded highlights with corner ellipse oble_x x oble_y.
    bool oble;
    int oble_x;
    int oble_y;
    // Highlight style bits: 1 fill with the state brush, 2 bevel frame.
    int styl;
    // The list whose entry opens this one.
    tk_CDUI* master;
    bool je_popup;
    // When > 0 and below the count, only that many entries are laid out, drawn and hit-tested.
    int max_riadkov;
    // What becomes of a text wider than its entry: 0 it is cut at the entry's edges; 1 a vertical
    // menu is widened to its widest text (as far as the screen allows); 2 the text is drawn in a
    // narrower font of the list's. With 1 or 2, a text that still does not fit is narrowed.
    int text_fit;

    tk_CDUI();
    explicit tk_CDUI(int trieda);
    explicit tk_CDUI(const char* name);
    tk_CDUI(const char* name, int trieda);
    tk_CDUI(tk_CPolCHLO* parent, int rx, int ry);
    tk_CDUI(tk_CPolCHLO* parent, int id);

    // The element's operations, as a list.
    void Rodic_reset() override;
    void CHOD_NA(int x, int y) override;
    void ZOBRAZ() override;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void GetSize(int* w, int* h) override;
    bool INFORMUJ_SA(int px, int py, int code) override;
    ~tk_CDUI() override;
    // The pending choice, as INFORMUJ_MA gives it.
    bool ReportValue(int* value) override { return INFORMUJ_MA(value); }

    // The list's own virtual operations, in the order of the virtual table.
    virtual int Count();
    virtual void CHOD_NA_CENTER(int x, int y);
    virtual void PRIDAJ(int id, const char* text);
    virtual void PRIDAJ(int id, const char* text, const char* icon_file);
    virtual void PRIDAJ(int id, const char* text, tk_CIcon* icon);
    virtual void PRIDAJ(int id, const char* text, tk_CIcon* icon, bool own);
    virtual void Eviduj_Master_Detail_popup(int id, tk_CDUI* popup);

    // ---- Look and layout (tk_CDUI_layout.cpp) --------------------------------------------------
    // The defaults of the look class; an unknown class stops the program.
    void Inic_KP();
    void RESET_DEFAULT();
    // Classes 0 to 2 are taken; anything else is logged and changes nothing.
    void RESET_DEFAULT(int trieda_);
    void Nastav_Triedu(int trieda_) { RESET_DEFAULT(trieda_); }
    void Nastav_Konstanty(int a, int b, int c, int d);
    void RESET_GEOMETRIE();
    void Dsgn(int x, int y);
    // A code of the English or Slovak set, or 1..9 for the English code at that place.
    void SetTextMode(const char* code);
    void SetTextMode(int n);
    void SetIconMode(const char* code);
    void SetIconMode(int n);
    void SetTextMode_NEXT();
    void SetIconMode_NEXT();

    // ---- Entries (tk_CDUI.cpp) -----------------------------------------------------------------
    // Adds an entry at the given rectangle (or a stand-in place); returns it.
    tk_TVOLBA* PRIDAJ(const RECT* rect, int id, const char* text, tk_CIcon* icon, bool own);
    void ODOBER();
    void VYMAZ();
    // The entry at index i, or null outside the list.
    tk_TVOLBA* EntryAt(int i) const;

    // ---- Events (tk_CDUI_events.cpp) -----------------------------------------------------------
    // The pending choice: true once with the value, then false until the next press.
    bool INFORMUJ_MA(int* value);
    // The entry that became hovered at the last event: its index and id.
    bool INFORMUJ_MA_3(int* index, int* id);
    static bool test_v_rect(const RECT& r, int x, int y);

  protected:
    // Number of entries laid out, drawn and hit-tested.
    int RowCount() const;
    // The widest text of the list (measured width, as its entries keep it).
    virtual int WidestText() const;
    // The width entries are laid out with: c, or with text_fit 1 wide enough for the widest text.
    int EntryWidth() const;
    // A pop-up whose box leaves the screen is moved inside it (as far as it fits), one that opens
    // to the right of its menu to the menu's left; true when it moved, so that it is laid out again.
    bool KeepOnScreen();
    // The part of the constructors shared by every form.
    void Init(int trieda, const char* trace);
    // Deletes every entry without touching the placeholder flag.
    void DeleteEntries();

  private:
    void LayoutButtons(int n);
    void LayoutBar(int n);
    void LayoutMenu(int r);
    void DrawHighlights(IDirectDrawSurface* surface, int r);
    void DrawIcons(IDirectDrawSurface* surface, int r);
    void DrawTexts(IDirectDrawSurface* surface, int r);
    // One entry's text, in a narrowed font where it would be cut.
    void DrawEntryText(HDC dc, const tk_TVOLBA& v);
    // The list's font narrowed so that the text fits in room pixels, measured on dc; kept until
    // the list's font changes. Null when the font cannot be narrowed.
    HFONT FittedFont(HDC dc, const char* text, int room);
    void ReleaseFittedFonts();
    struct Fitted {
        std::string text;
        int room;
        HFONT font;
    };
    std::vector<Fitted> fitted_;
    HFONT fitted_base_ = nullptr;
    void CloseCascade();
};
