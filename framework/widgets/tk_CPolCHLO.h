// tk_CPolCHLO: the element that holds other elements. It owns its children, draws them in index
// order, offers them events from the topmost down, and passes notifications up to the root.
#pragma once

#include "framework/support/tk_CARRE.h"
#include "framework/widgets/tk_CPol.h"

class tk_CPolCHLO : public tk_CPol {
  public:
    // The children in drawing order (index 0 at the bottom); the array owns them.
    tk_CARRE children;

    tk_CPolCHLO();
    tk_CPolCHLO(tk_CPolCHLO* parent, int id);

    // The element's operations, as a container.
    using tk_CPol::ZOBRAZ;
    void Rodic_reset() override;
    void CHOD_NA(int x, int y) override;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    tk_CPol* VratZasah(int px, int py) override;
    bool INFORMUJ_SA(int px, int py, int code) override;
    ~tk_CPolCHLO() override;

    // The container's own virtual operations, in the order of the virtual table.
    virtual int SetupVisual();
    virtual bool INFORMUJ_SA_KLAV(int key);
    virtual bool INFORMUJ_MA(int* id);
    virtual bool HandleFWInteraction(int id, int value, tk_CPol* sender);

    // Appends a child and keeps the dialogs above every ordinary child.
    void PRIDAJ(tk_CPol* child);
    // Makes a child dialog the topmost dialog; nothing happens when it is not a child.
    void TOP_DLG(tk_CPol* dlg);
    // Depth first in index order; the container's own ID is not compared.
    tk_CPol* FindCHLWithID(int id);
    // Null when the container is hidden; an index out of range stops the program.
    tk_CPol* GetCHLWithIndex(int i);
    // 0 when the container is hidden; an element that is not a child stops the program.
    int GetIndexOfCHL(tk_CPol* p);
    // Lays out this container and everything below it before the first frame.
    void SetupVisual_Private();
    // The children's drawing, for containers that paint a body of their own first.
    void DrawChildren(IDirectDrawSurface* surface);

    static bool IsClassIdPolCHLO(int id) {
        return id == tk_CLASS_CPolCHLO || id == tk_CLASS_CDDialog || id == tk_CLASS_CScrollBar ||
               id == tk_CLASS_CAppScreen;
    }

  private:
    tk_CPol* child(int i) const { return static_cast<tk_CPol*>(children.items[i]); }
    // The part of the constructors shared by both forms.
    void Init();
    void ResetChildren();
};
