#include "game/kartola_card_faces.h"

#include <algorithm>

#include "framework/graphics/tk_Display.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_fonts.h"
#include "game/kartola_frame_damage.h"
#include "game/kartola_table.h"
#include "platform/ddraw/surface_access.h"

namespace {

// A face draws a few pixels around the card's box (the net one pixel out, the etched frame four);
// the kept surface holds this margin all round.
constexpr int kMargin = 5;

RECT boxOf(const CKarta* card) {
    return RECT{card->x - kMargin, card->y - kMargin, card->x + card->sir + kMargin,
                card->y + card->vys + kMargin};
}

}  // namespace

CardFaceCache& CardFaces() {
    static CardFaceCache cache;
    return cache;
}

CardFaceCache::~CardFaceCache() {
    Release();
}

void CardFaceCache::Release() {
    for (Face& face : faces_) {
        if (face.surface) face.surface->Release();
    }
    faces_.clear();
}

void CardFaceCache::SetOn(bool on) {
    on_ = on;
    if (!on) Release();
}

void CardFaceCache::BeginTable(IDirectDrawSurface* /*target*/) {
    drawn_.clear();
}

// The face drawn over the table's colour with the card moved to the surface's margin; the card
// goes back to its place whatever happens.
bool CardFaceCache::Fill(Face& face, CKarta* card, int width, int height) {
    if (face.surface && (face.width != width || face.height != height)) {
        face.surface->Release();
        face.surface = nullptr;
    }
    if (!face.surface) face.surface = tkp::ddraw::CreateOffscreenSurface(tk_lpDD, width, height);
    if (!face.surface) return false;
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = kTableColour;
    if (face.surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx) != DD_OK)
        return false;
    const int x = card->x, y = card->y;
    card->x = kMargin;
    card->y = kMargin;
    DrawCardFace(face.surface, card);
    card->x = x;
    card->y = y;
    face.card = card;
    face.tableVersion = g_uTableVersion;
    face.fontsVersion = g_uNameFontsVersion;
    face.width = width;
    face.height = height;
    ++fills_;
    return true;
}

void CardFaceCache::Draw(IDirectDrawSurface* target, int index, CKarta* card) {
    if (!card->visible) {
        // A found card's face is not needed again until a new deal shows the card.
        if (index >= 0 && static_cast<std::size_t>(index) < faces_.size()) {
            Face& face = faces_[static_cast<std::size_t>(index)];
            if (face.surface) face.surface->Release();
            face = Face{};
        }
        DrawCardFace(target, card);
        return;
    }
    const RECT box = boxOf(card);
    // The kept face replaces its whole box, so the table there must be bare and the face uncut:
    // no earlier card under it, and inside the rows the net keeps off (the first and the last).
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    bool kept = on_ && index >= 0 && tk_lpDD && target->GetSurfaceDesc(&desc) == DD_OK && box.left >= 0 &&
                box.top >= 1 && box.right <= static_cast<LONG>(desc.dwWidth) &&
                box.bottom <= std::min(static_cast<LONG>(desc.dwHeight), static_cast<LONG>(tk_ScreenH) - 1);
    for (std::size_t i = 0; kept && i < drawn_.size(); ++i) kept = !BoxesMeet(box, drawn_[i]);
    drawn_.push_back(box);
    if (kept) {
        if (faces_.size() <= static_cast<std::size_t>(index))
            faces_.resize(static_cast<std::size_t>(index) + 1);
        Face& face = faces_[static_cast<std::size_t>(index)];
        const int width = box.right - box.left, height = box.bottom - box.top;
        const bool current = face.surface && face.card == card && face.tableVersion == g_uTableVersion &&
                             face.width == width && face.height == height &&
                             (card->kind == 'I' || face.fontsVersion == g_uNameFontsVersion);
        if (current || Fill(face, card, width, height)) {
            const HRESULT shown =
                target->BltFast(static_cast<DWORD>(box.left), static_cast<DWORD>(box.top), face.surface,
                                nullptr, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
            if (shown == DD_OK) return;
            // A lost kept surface is made again the next time.
            face.surface->Release();
            face.surface = nullptr;
        }
    }
    DrawCardFace(target, card);
}
