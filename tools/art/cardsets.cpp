#include "tools/art/cardsets.h"

#include <functional>

#include "tools/art/cards_fruit.h"
#include "tools/art/cards_shapes.h"
#include "tools/lib/bmp_write.h"
#include "tools/lib/sheet.h"

namespace art {

namespace {

// How a picture is stored: the sets use every kind the bitmap loader must read.
enum class Store { Rgb24, Pal8, Pal8Rle, Pal4, Pal4Rle };

const char* StoreName(Store s) {
    switch (s) {
        case Store::Rgb24:
            return "24-bit";
        case Store::Pal8:
            return "8-bit palette";
        case Store::Pal8Rle:
            return "8-bit RLE8";
        case Store::Pal4:
            return "4-bit palette";
        case Store::Pal4Rle:
            return "4-bit RLE4";
    }
    return "";
}

RgbImage Expand(const IndexedImage& q) {
    RgbImage img(q.w, q.h);
    for (int y = 0; y < q.h; ++y)
        for (int x = 0; x < q.w; ++x) img.At(x, y) = q.palette[q.At(x, y)];
    return img;
}

CardPicture Stored(const std::string& name, const RgbImage& img, Store store) {
    CardPicture c;
    c.name = name;
    c.format = std::to_string(img.w) + "x" + std::to_string(img.h) + ", " + StoreName(store);
    c.phaseX2 = img.w;
    c.phaseY2 = img.h;
    if (store == Store::Rgb24) {
        c.pixels = img;
        c.file = EncodeBmp24(img);
        return c;
    }
    const bool four = store == Store::Pal4 || store == Store::Pal4Rle;
    const bool rle = store == Store::Pal8Rle || store == Store::Pal4Rle;
    IndexedImage q = Quantize(img, four ? 16 : 256);
    c.pixels = Expand(q);
    c.file = EncodeBmpIndexed(q, four ? 4 : 8, rle ? BmpCompression::Rle : BmpCompression::None);
    return c;
}

CardPicture Card(const std::string& name, int w, int h, Store store, Rgba top, Rgba bottom,
                 const std::function<void(Picture&)>& draw) {
    Picture p(w, h, top, bottom);
    draw(p);
    return Stored(name, p.Pixels(), store);
}

// The moon as a sprite sheet: three moods stacked on a magenta background. The card shows
// the phase around (10, 10), 239 x 159 pixels, which fits the 150 x 100 card exactly.
CardPicture MoonSheet() {
    Sheet sheet(241, 481, 0xFF00FF, 0xFF00FF);
    for (int mood = 0; mood < 3; ++mood) {
        Picture p(239, 159, Hex(0xE8EAF6), Hex(0xC5CAE9));
        DrawMoon(p, mood);
        sheet.PlaceOpaque(p.C(), 1, 1 + 160 * mood, Hex(0xFFFFFF));
    }
    CardPicture c = Stored("mesiac", sheet.Image(), Store::Rgb24);
    c.format += ", sprite sheet (.faz)";
    c.spriteSheet = true;
    c.phaseX = 1;
    c.phaseY = 1;
    c.phaseX2 = 240;
    c.phaseY2 = 160;
    return c;
}

CardSet Fruit() {
    const Rgba top = Hex(0xFFFBEF), bottom = Hex(0xFCEBC4);
    CardSet s{"DATA_ovocie", {}};
    s.cards.push_back(Card("jablko", 300, 200, Store::Rgb24, top, bottom, DrawApple));
    s.cards.push_back(Card("hruška", 360, 240, Store::Pal8, top, bottom, DrawPear));
    s.cards.push_back(Card("čerešňa", 300, 200, Store::Pal8Rle, top, bottom, DrawCherries));
    s.cards.push_back(Card("slivka", 240, 160, Store::Pal4, top, bottom, DrawPlum));
    s.cards.push_back(Card("banán", 256, 256, Store::Rgb24, top, bottom, DrawBanana));
    s.cards.push_back(Card("pomaranč", 640, 480, Store::Pal8, top, bottom, DrawOrange));
    s.cards.push_back(Card("jahoda", 450, 300, Store::Pal8, top, bottom, DrawStrawberry));
    s.cards.push_back(Card("hrozno", 300, 200, Store::Rgb24, top, bottom, DrawGrapes));
    s.cards.push_back(Card("citrón", 320, 240, Store::Pal4, top, bottom, DrawLemon));
    s.cards.push_back(Card("vodný melón", 300, 200, Store::Rgb24, top, bottom, DrawWatermelon));
    return s;
}

CardSet Shapes() {
    const Rgba top = Hex(0xF3F8FF), bottom = Hex(0xDCE8F7);
    CardSet s{"DATA_tvary", {}};
    s.cards.push_back(Card("kruh", 300, 200, Store::Pal4, top, bottom, DrawCircleShape));
    s.cards.push_back(Card("štvorec", 240, 160, Store::Pal4Rle, top, bottom, DrawSquare));
    s.cards.push_back(Card("trojuholník", 360, 240, Store::Pal8, top, bottom, DrawTriangle));
    s.cards.push_back(Card("hviezda", 450, 300, Store::Rgb24, top, bottom, DrawStar));
    s.cards.push_back(Card("srdce", 300, 200, Store::Pal8Rle, top, bottom, DrawHeart));
    s.cards.push_back(Card("obdĺžnik", 480, 320, Store::Pal4, top, bottom, DrawRectangle));
    s.cards.push_back(Card("kosoštvorec", 300, 200, Store::Rgb24, top, bottom, DrawDiamond));
    s.cards.push_back(Card("šesťuholník", 600, 400, Store::Pal8, top, bottom, DrawHexagon));
    s.cards.push_back(MoonSheet());
    return s;
}

}  // namespace

std::vector<CardSet> MakeCardSets() {
    return {Fruit(), Shapes()};
}

}  // namespace art
