#include "tools/art/cardsets.h"

#include <png.h>

#include <functional>

#include "tools/art/cards_animals.h"
#include "tools/art/cards_fruit.h"
#include "tools/art/cards_shapes.h"
#include "tools/lib/bmp_write.h"
#include "tools/lib/photo_write.h"
#include "tools/lib/sheet.h"

namespace art {

namespace {

// How a picture is stored: the sets use every kind the bitmap loader must read.
enum class Store { Rgb24, Pal8, Pal8Rle, Pal4, Pal4Rle };

const char* storeName(Store s) {
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

RgbImage expand(const IndexedImage& q) {
    RgbImage img(q.w, q.h);
    for (int y = 0; y < q.h; ++y)
        for (int x = 0; x < q.w; ++x) img.At(x, y) = q.palette[q.At(x, y)];
    return img;
}

CardPicture stored(const std::string& name, const RgbImage& img, Store store) {
    CardPicture c;
    c.name = name;
    c.format = std::to_string(img.w) + "x" + std::to_string(img.h) + ", " + storeName(store);
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
    c.pixels = expand(q);
    c.file = EncodeBmpIndexed(q, four ? 4 : 8, rle ? BmpCompression::Rle : BmpCompression::None);
    return c;
}

CardPicture card(const std::string& name, int w, int h, Store store, Rgba top, Rgba bottom,
                 const std::function<void(Picture&)>& draw) {
    Picture p(w, h, top, bottom);
    draw(p);
    return stored(name, p.Pixels(), store);
}

// The moon as a sprite sheet: three moods stacked on a magenta background. The card shows
// the phase around (10, 10), 239 x 159 pixels, which fits the 150 x 100 card exactly.
CardPicture moonSheet() {
    Sheet sheet(241, 481, 0xFF00FF, 0xFF00FF);
    for (int mood = 0; mood < 3; ++mood) {
        Picture p(239, 159, Hex(0xE8EAF6), Hex(0xC5CAE9));
        DrawMoon(p, mood);
        sheet.PlaceOpaque(p.C(), 1, 1 + 160 * mood, Hex(0xFFFFFF));
    }
    CardPicture c = stored("mesiac", sheet.Image(), Store::Rgb24);
    c.format += ", sprite sheet (.faz)";
    c.spriteSheet = true;
    c.phaseX = 1;
    c.phaseY = 1;
    c.phaseX2 = 240;
    c.phaseY2 = 160;
    return c;
}

CardSet fruit() {
    const Rgba top = Hex(0xFFFBEF), bottom = Hex(0xFCEBC4);
    CardSet s{"DATA_ovocie", {}};
    s.cards.push_back(card("jablko", 300, 200, Store::Rgb24, top, bottom, DrawApple));
    s.cards.push_back(card("hruška", 360, 240, Store::Pal8, top, bottom, DrawPear));
    s.cards.push_back(card("čerešňa", 300, 200, Store::Pal8Rle, top, bottom, DrawCherries));
    s.cards.push_back(card("slivka", 240, 160, Store::Pal4, top, bottom, DrawPlum));
    s.cards.push_back(card("banán", 256, 256, Store::Rgb24, top, bottom, DrawBanana));
    s.cards.push_back(card("pomaranč", 640, 480, Store::Pal8, top, bottom, DrawOrange));
    s.cards.push_back(card("jahoda", 450, 300, Store::Pal8, top, bottom, DrawStrawberry));
    s.cards.push_back(card("hrozno", 300, 200, Store::Rgb24, top, bottom, DrawGrapes));
    s.cards.push_back(card("citrón", 320, 240, Store::Pal4, top, bottom, DrawLemon));
    s.cards.push_back(card("vodný melón", 300, 200, Store::Rgb24, top, bottom, DrawWatermelon));
    return s;
}

CardSet shapes() {
    const Rgba top = Hex(0xF3F8FF), bottom = Hex(0xDCE8F7);
    CardSet s{"DATA_tvary", {}};
    s.cards.push_back(card("kruh", 300, 200, Store::Pal4, top, bottom, DrawCircleShape));
    s.cards.push_back(card("štvorec", 240, 160, Store::Pal4Rle, top, bottom, DrawSquare));
    s.cards.push_back(card("trojuholník", 360, 240, Store::Pal8, top, bottom, DrawTriangle));
    s.cards.push_back(card("hviezda", 450, 300, Store::Rgb24, top, bottom, DrawStar));
    s.cards.push_back(card("srdce", 300, 200, Store::Pal8Rle, top, bottom, DrawHeart));
    s.cards.push_back(card("obdĺžnik", 480, 320, Store::Pal4, top, bottom, DrawRectangle));
    s.cards.push_back(card("kosoštvorec", 300, 200, Store::Rgb24, top, bottom, DrawDiamond));
    s.cards.push_back(card("šesťuholník", 600, 400, Store::Pal8, top, bottom, DrawHexagon));
    s.cards.push_back(moonSheet());
    return s;
}

// The animals come as a phone or the web gives pictures: JPEG (baseline, progressive, grey, one
// taken on its side) and PNG (RGB, palette, transparent), extensions in either case.
enum class Photo { Jpeg, JpegProgressive, JpegGrey, JpegOnItsSide, PngRgb, PngPalette, PngTransparent };

CardPicture photographed(const std::string& name, const std::string& extension, int w, int h, Photo kind,
                         const std::function<void(Picture&)>& draw) {
    const Rgba top = Hex(0xF1F8E9), bottom = Hex(0xDCEDC8);
    CardPicture c;
    c.name = name;
    c.extension = extension;
    c.phaseX2 = w;
    c.phaseY2 = h;
    c.format = std::to_string(w) + "x" + std::to_string(h) + ", ";
    if (kind == Photo::PngTransparent) {
        Picture p(w, h, Hex(0, 0), Hex(0, 0));
        draw(p);
        std::vector<std::uint8_t> rgba;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Rgba q = p.C().At(x, y);  // premultiplied
                auto straight = [&q](float v) { return q.a > 0 ? ToByte(v / q.a) : std::uint8_t{0}; };
                rgba.insert(rgba.end(), {straight(q.r), straight(q.g), straight(q.b), ToByte(q.a)});
            }
        c.pixels = p.Pixels();
        c.file = EncodePng(w, h, PNG_COLOR_TYPE_RGB_ALPHA, 8, rgba);
        c.format += "PNG, alpha";
        return c;
    }
    Picture p(w, h, top, bottom);
    draw(p);
    c.pixels = p.Pixels();
    switch (kind) {
        case Photo::PngRgb: {
            std::vector<std::uint8_t> rgb;
            for (std::uint32_t px : c.pixels.px)
                rgb.insert(rgb.end(), {std::uint8_t(px >> 16), std::uint8_t(px >> 8), std::uint8_t(px)});
            c.file = EncodePng(w, h, PNG_COLOR_TYPE_RGB, 8, rgb);
            c.format += "PNG RGB";
            break;
        }
        case Photo::PngPalette: {
            IndexedImage q = Quantize(c.pixels, 256);
            c.pixels = expand(q);
            c.file = EncodePng(w, h, PNG_COLOR_TYPE_PALETTE, 8, q.idx, q.palette);
            c.format += "PNG palette";
            break;
        }
        default: {
            JpegOptions o;
            o.progressive = kind == Photo::JpegProgressive;
            o.grey = kind == Photo::JpegGrey;
            if (o.grey) c.pixels = Greyed(c.pixels);
            // Taken on its side: stored turned, with the tag that turns it back.
            const bool turned = kind == Photo::JpegOnItsSide;
            o.orientation = turned ? 6 : 0;
            c.file = EncodeJpeg(turned ? TurnedAnticlockwise(c.pixels) : c.pixels, o);
            c.format += o.progressive ? "JPEG progressive" : o.grey ? "JPEG grey" : "JPEG";
            if (turned) c.format += ", EXIF turned";
            break;
        }
    }
    return c;
}

CardSet animals() {
    CardSet s{"DATA_zvierata", {}};
    s.cards.push_back(photographed("mačka", "jpg", 300, 200, Photo::Jpeg, DrawCat));
    s.cards.push_back(photographed("pes", "jpg", 360, 240, Photo::JpegProgressive, DrawDog));
    s.cards.push_back(photographed("ryba", "png", 300, 200, Photo::PngRgb, DrawFish));
    s.cards.push_back(photographed("myš", "png", 240, 160, Photo::PngPalette, DrawMouse));
    s.cards.push_back(photographed("prasiatko", "jpeg", 300, 200, Photo::JpegOnItsSide, DrawPig));
    s.cards.push_back(photographed("žaba", "png", 300, 200, Photo::PngTransparent, DrawFrog));
    s.cards.push_back(photographed("včela", "PNG", 450, 300, Photo::PngRgb, DrawBee));
    s.cards.push_back(photographed("sova", "JPG", 300, 200, Photo::JpegGrey, DrawOwl));
    return s;
}

}  // namespace

std::vector<CardSet> MakeCardSets() {
    return {fruit(), shapes(), animals()};
}

}  // namespace art
