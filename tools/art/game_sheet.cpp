#include "tools/art/game_sheet.h"

#include "tools/art/hands.h"
#include "tools/art/program_icon.h"
#include "tools/lib/shapes.h"
#include "tools/lib/sheet.h"
#include "tools/lib/text.h"

namespace art {

namespace {

// The menu button: a tab hanging from the top edge of the screen, 140 x 26.
Canvas menuButton() {
    const double w = 140, h = 26;
    Canvas c(140, 26);
    Path tab;
    tab.MoveTo(0, 0).LineTo(w, 0).LineTo(w, h - 9).CubicTo(w, h - 4, w - 4, h, w - 9, h).LineTo(9, h);
    tab.CubicTo(4, h, 0, h - 4, 0, h - 9).Close();
    c.Fill(tab, Hex(0x8A4B00));
    Path inner = tab.Transformed(Xform::Scale((w - 3) / w, (h - 2) / h).Then(Xform::Translate(1.5, 0)));
    c.Fill(inner, Linear({0, 0}, Hex(0xFFD166), {0, h}, Hex(0xF59E0B)));
    // Three bars, then the word.
    for (int i = 0; i < 3; ++i) c.Fill(RoundRect(34, 6.5 + 5 * i, 14, 2.6, 1.3), Hex(0x5A3200));
    Font f(Face::SansBold, 15);
    c.Fill(f.Render("Menu", 57, 19.5, 140, 26), Hex(0x5A3200));
    return c;
}

}  // namespace

RgbImage DrawGameSheet() {
    Sheet s(196, 70, 0xFF0000, 0x00FFFF);
    // The transparent colour, read from (3, 3).
    s.FillRect(1, 1, 4, 4, 0x00FFFF);
    s.PlaceKeyed(DrawOpenHand(22, 26), 1, 6);
    s.PlaceKeyed(DrawGrabbingHand(22, 26), 24, 6);
    s.PlaceKeyed(menuButton(), 52, 1);
    s.PlaceKeyed(DrawProgramIcon(32), 4, 36);
    return s.Image();
}

}  // namespace art
