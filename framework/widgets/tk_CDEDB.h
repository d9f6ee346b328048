// tk_CDEDB: a one-line text field. A sunken grey box with a line of text that typing extends by
// capital letters and Backspace or Delete shortens. It has no caret and no focus: the containers
// hand every key to the first edit box they meet from the top of the tree.
#pragma once

#include "framework/widgets/tk_CPol.h"

class tk_CPolCHLO;

class tk_CDEDB : public tk_CPol {
  public:
    // The most text_len can hold: the field and its terminator.
    static constexpr int kTextSize = 200;
    // The highest typing limit; the letters it allows and the terminator still fit the field.
    static constexpr int kMaxLenLimit = kTextSize - 2;

    int sir;
    int vys;
    // The box in screen pixels, recomputed from the place and size at every paint.
    RECT box;
    char text[kTextSize];
    int text_len;
    // Letters are refused once text_len exceeds it; the box holds up to max_len + 1 of them.
    int max_len;
    HBRUSH brush_back = nullptr;
    HPEN pen_dark = nullptr;
    HFONT font = nullptr;

    tk_CDEDB(tk_CPolCHLO* parent, int rx, int ry);
    tk_CDEDB(tk_CPolCHLO* parent, int id);
    // max_len is limited to kMaxLenLimit; a font given (not null) becomes the box's own.
    tk_CDEDB(tk_CPolCHLO* parent, int id, int max_len, HFONT font);

    using tk_CPol::ZOBRAZ;
    void ZOBRAZ() override;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    void GetSize(int* w, int* h) override;
    void SetSize(int w, int h) override;
    ~tk_CDEDB() override;
    // The containers hand every key to the first edit box they meet, hidden or not.
    bool TakeKey(int key) override;

    // Place relative to the parent (the absolute place follows at the next Rodic_reset) and size.
    void Dsgn(int rx, int ry, int w, int h);
    // Copies the text, cut to 199 bytes at a character boundary; null empties the box.
    void Set_Text(const char* s);
    void Set_Number(int n);
    char* Get_Text() { return text; }
    // Letters A to Z are added, Backspace and Delete remove the last character; true when taken.
    bool INFORMUJ_SA_KLAV(int key);
    // Fills the box and draws its border: 1 raised, 2 sunken, other styles the fill only.
    void Level_efekt(HDC dc, int style);

  private:
    void Init();
};
