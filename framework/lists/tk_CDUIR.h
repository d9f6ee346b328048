// tk_CDUIR: a vertical list that can hold more rows than it shows. Its rows are kept apart from
// the few visible entries of the list menu it is built on; at every layout the rows at the scroll
// position are copied into the entries. With more rows than lines it scrolls by pixels with an
// embedded slider, two buttons and a track picture, and shows a partly visible row cut.
#pragma once

#include "framework/lists/tk_CDUI.h"
#include "framework/support/tk_CARRE.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"

class tk_TVOLBAR;

class tk_CDUIR : public tk_CDUI {
  public:
    // The row layout must be redone before drawing, hit tests or centring.
    bool zmenaR;
    // Placeholder rows replaced so far, 0..3.
    int voidR_pocet;
    // The scroll slider and the two buttons; members of the list, never children of a container
    // (their parent stays null: the list places them itself).
    tk_CPosuv posuv;
    tk_CTlac tlac_hore;
    tk_CTlac tlac_dole;
    // Tiled down the slider's track once its surface and phase are set.
    tk_CIcon draha;
    // More rows than lines: scrolling is on.
    bool posuvanie;
    // Visible lines, kept within 3..25 at every layout.
    int riadkov;
    // Scroll position and range in pixels.
    int pozicia;
    int rozsah;
    // After each added row, scroll to the end when scrolling is on.
    bool na_koniec;
    // Scrolls by whole rows: an arrow moves the list by one row and a dragged thumb stops where a
    // row begins, so no row is ever shown cut in two. Off by default.
    bool whole_rows = false;
    // The rows (tk_TVOLBAR*), owned.
    tk_CARRE VOLR;

    tk_CDUIR();
    explicit tk_CDUIR(const char* name);
    tk_CDUIR(tk_CPolCHLO* parent, int rx, int ry);
    tk_CDUIR(tk_CPolCHLO* parent, int id);

    // The element's and the list menu's operations, as a row list.
    void Rodic_reset() override;
    void CHOD_NA(int x, int y) override;
    void ZOBRAZ() override;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    bool INFORMUJ_SA(int px, int py, int code) override;
    ~tk_CDUIR() override;
    int Count() override { return CountR(); }
    void CHOD_NA_CENTER(int cx, int cy) override { CHOD_NA_CENTERR(cx, cy); }
    void PRIDAJ(int id, const char* text) override;
    void PRIDAJ(int id, const char* text, const char* icon_file) override;
    void PRIDAJ(int id, const char* text, tk_CIcon* icon) override;
    void PRIDAJ(int id, const char* text, tk_CIcon* icon, bool own) override;
    void Eviduj_Master_Detail_popup(int id, tk_CDUI* popup) override {
        Eviduj_Master_Detail_popupR(id, popup);
    }

    // ---- Rows (tk_CDUIR.cpp) -------------------------------------------------------------------
    tk_TVOLBAR* PRIDAJR(int id, const char* text, tk_CIcon* icon, bool own);
    void ODOBERR();
    void ODOBER() { ODOBERR(); }
    void VYMAZR();
    void VYMAZ() { VYMAZR(); }
    int CountR() const { return VOLR.count; }
    // The pointer array's indexed access: logged and null outside the rows.
    tk_TVOLBAR* operator[](int i) const { return static_cast<tk_TVOLBAR*>(VOLR.GET(i)); }
    // An index outside the rows stops the program.
    tk_TVOLBAR* VratVolbu__indexovo(int i);
    // The first row with that id or that exact text; null when none has it.
    tk_TVOLBAR* VratVolbu__hodnotovo(int value);
    tk_TVOLBAR* VratVolbu__podla_textu(const char* text);
    void Eviduj_Master_Detail_popupR(int id, tk_CDUI* popup);
    // An index outside the rows stops the program.
    void Eviduj_Master_Detail_popupR__indexovo(int index, tk_CDUI* popup);

    // ---- Layout and view (tk_CDUIR_layout.cpp, tk_CDUIR_view.cpp) -----------------------------
    void CHOD_NAR(int x, int y);
    void CHOD_NA_CENTERR(int x, int y);
    void RESET_GEOMETRIER();
    void RESET_GEOMETRIE() { RESET_GEOMETRIER(); }
    void ZOBRAZR(IDirectDrawSurface* surface);
    // Copies row r into entry v; a rectangle (or null) for the entry, the whole entry when cut.
    void Preklop(int r, int v, const RECT* rect, const RECT* whole, int mode);
    // The widest text of the rows, not only of the entries showing them.
    int WidestText() const override;

  private:
    void InitRowList();
    tk_TVOLBAR* RowAt(int i) const;
    void DeleteRow(int i);
    void LayoutScrolling(int n, int v);
    void DrawTrack(IDirectDrawSurface* surface);
};
