// Card faces kept in surfaces of their own. A card's face (its panel with the net or the frame, its
// picture or its name) is drawn once into a surface beside the card and each frame copies that
// surface, until what the face shows changes: other name fonts, another set, another display mode
// or a lost display. The frames of the card under the pointer and of the held card are not part
// of a face.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

class CKarta;

// Draws one card's face at the card's place: its panel, then its picture or its name. A hidden
// card draws nothing.
void DrawCardFace(IDirectDrawSurface* surface, CKarta* card);

class CardFaceCache {
  public:
    CardFaceCache() = default;
    ~CardFaceCache();
    CardFaceCache(const CardFaceCache&) = delete;
    CardFaceCache& operator=(const CardFaceCache&) = delete;

    // Starts the cards of one frame on a surface just cleared to the table's colour.
    void BeginTable(IDirectDrawSurface* target);
    // Draws card i's face as DrawCardFace does: from its kept surface where the table under the
    // face is bare, directly where it lies over another card or at the screen's edge.
    void Draw(IDirectDrawSurface* target, int index, CKarta* card);
    // Releases every kept surface; the faces are drawn again when next shown.
    void Release();
    // Faces drawn into kept surfaces since the start.
    std::int64_t Fills() const { return fills_; }
    // Keeping faces on or off (off: every face drawn directly, as it was).
    void SetOn(bool on);

  private:
    struct Face {
        IDirectDrawSurface* surface = nullptr;
        const CKarta* card = nullptr;
        std::uint32_t tableVersion = 0;
        std::uint32_t fontsVersion = 0;
        int width = 0;
        int height = 0;
    };
    bool Fill(Face& face, CKarta* card, int width, int height);

    std::vector<Face> faces_;
    // The boxes of the faces drawn so far in this frame.
    std::vector<RECT> drawn_;
    std::int64_t fills_ = 0;
    bool on_ = true;
};

// The game's one cache of card faces.
CardFaceCache& CardFaces();
