#include <string>

#include "tools/art/banner.h"
#include "tools/art/cardsets.h"
#include "tools/art/game_sheet.h"
#include "tools/art/program_icon.h"
#include "tools/art/skin.h"
#include "tools/lib/png_out.h"
#include "tools/lib/shapes.h"
#include "tools/lib/text.h"
#include "tools/resgen/outputs.h"

namespace resgen {

namespace {

using namespace art;

constexpr int kWidth = 1000;
const Rgba kPage = Hex(0xF4F1EA), kInk = Hex(0x24405F);
const Rgba kTable = Hex(0x003DA5);  // the game's table: pixel value 500 at 16 bits per pixel

// A sheet as its colour key shows it: background and transparent pixels become a checker board.
Canvas keyed(const RgbImage& img, std::uint32_t background, std::uint32_t key, int scale) {
    Canvas c(img.w * scale, img.h * scale);
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            std::uint32_t p = img.At(x / scale, y / scale);
            Rgba col = Hex(p);
            if (p == background || p == key) col = ((x / 6 + y / 6) % 2) ? Hex(0xE2E2E2) : Hex(0xFAFAFA);
            c.At(x, y) = col;
        }
    }
    return c;
}

// The whole picture stretched to the card's 150 x 100, or a sprite sheet's phase fitted into it.
Canvas cardThumb(const CardPicture& p) {
    const int w = p.phaseX2 - p.phaseX, h = p.phaseY2 - p.phaseY;
    Canvas src(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) src.At(x, y) = Hex(p.pixels.At(p.phaseX + x, p.phaseY + y));
    Canvas out(150, 100);
    out.DrawScaled(src, 0, 0, 150, 100);
    return out;
}

class Page {
  public:
    Page() : c_(kWidth, 2600, kPage) {}
    void Heading(const std::string& text) {
        y_ += 12;
        Font f(Face::SansBold, 22);
        c_.Fill(f.Render(text, 24, y_ + 22, kWidth, c_.Height()), kInk);
        y_ += 36;
    }
    void Caption(const std::string& text, int x, int y) {
        Font f(Face::Sans, 13);
        c_.Fill(f.Render(text, x, y, kWidth, c_.Height()), Hex(0x4A5A6A));
    }
    Canvas& C() { return c_; }
    int& Y() { return y_; }
    RgbImage Finish() const {
        RgbImage img(kWidth, y_ + 20);
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x) img.At(x, y) = c_.Xrgb(x, y, kPage);
        return img;
    }

  private:
    Canvas c_;
    int y_ = 0;
};

void resources(Page& pg) {
    pg.Heading("Program resources");
    Canvas skin = keyed(DrawSkinSheet(), 0xFF0000, 0x00FFFF, 2);
    pg.C().Draw(skin, 24, pg.Y());
    pg.Caption("rezia_dll.bmp (framework skin), 2x", 24, pg.Y() + skin.Height() + 18);
    RgbImage gameRaw = DrawGameSheet();
    Canvas game = keyed(gameRaw, 0xFF0000, 0x00FFFF, 2);
    // The two pointer hands up close, with their hot spot (the top-left corner) marked.
    RgbImage hands(47, 28);
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 47; ++x) hands.At(x, y) = gameRaw.At(x, 5 + y);
    Canvas zoom = keyed(hands, 0xFF0000, 0x00FFFF, 5);
    pg.C().Draw(zoom, 750, pg.Y() + 170);
    pg.C().Fill(Circle(750 + 5 + 2.5, pg.Y() + 170 + 5 + 2.5, 3), Hex(0xE53935, 0.8f));
    pg.C().Fill(Circle(750 + 5 * 24 + 2.5, pg.Y() + 170 + 5 + 2.5, 3), Hex(0xE53935, 0.8f));
    pg.Caption("pointer hands 5x, hot spot marked", 750, pg.Y() + 320);
    pg.C().Draw(game, 530, pg.Y());
    pg.Caption("rezia.bmp (hands, menu button, icon), 2x", 530, pg.Y() + game.Height() + 18);
    pg.C().Draw(DrawProgramIcon(32), 530, pg.Y() + 190);
    pg.C().Draw(DrawProgramIcon(16), 580, pg.Y() + 198);
    Canvas big = DrawProgramIcon(32);
    pg.C().DrawScaled(big, 620, pg.Y() + 170, 96, 96);
    pg.Caption("kartola.ico (32, 16) and 3x", 530, pg.Y() + 290);
    pg.Y() += skin.Height() + 34;
    // The banner over the game's table colour, as it flies across the top of the screen.
    Canvas sky(kWidth - 48, 100, kTable);
    RgbImage raw = DrawBanner();
    Canvas over(raw.w, raw.h);
    for (int y = 0; y < raw.h; ++y)
        for (int x = 0; x < raw.w; ++x)
            if (raw.At(x, y) != 0x00FFFF && raw.At(x, y) != 0xFF0000) over.At(x, y) = Hex(raw.At(x, y));
    sky.Draw(over, 40, 10);
    pg.C().Draw(sky, 24, pg.Y());
    pg.Caption("sprite_plane.bmp over the game's table", 24, pg.Y() + 118);
    pg.Y() += 130;
}

void cardSets(Page& pg) {
    for (const CardSet& set : MakeCardSets()) {
        pg.Heading("Card set " + set.folder + " (as the cards show them)");
        const int perRow = 5, cw = 150, ch = 100, gap = 40, rowStep = ch + 56;
        int i = 0;
        for (const CardPicture& p : set.cards) {
            int x = 24 + (i % perRow) * (cw + gap), y = pg.Y() + (i / perRow) * rowStep;
            pg.C().Fill(RoundRect(x - 3, y - 3, cw + 6, ch + 6, 4), Hex(0xFFFFFF));
            pg.C().Draw(cardThumb(p), x, y);
            pg.Caption(p.name, x, y + ch + 18);
            pg.Caption(p.format, x, y + ch + 34);
            ++i;
        }
        pg.Y() += ((i + perRow - 1) / perRow) * rowStep + 6;
    }
}

}  // namespace

bool WriteContactSheet(const std::string& file) {
    Page pg;
    resources(pg);
    cardSets(pg);
    return WritePng(file, pg.Finish());
}

}  // namespace resgen
