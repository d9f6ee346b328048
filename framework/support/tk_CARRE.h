// tk_CARRE: the framework's growable array of untyped pointers. It never looks at what it
// holds, except in mode 1, where it owns screen elements and destroys them by class id.
#pragma once

// Destroys one screen element held by an owning array; returns false when its class id is
// not one of the element classes. The array knows no elements: its owner hands it this.
using tk_CARRE_Destroyer = bool (*)(void* element);

class tk_CARRE {
  public:
    void** items;
    int akt_alloc;
    int next_alloc_delta;
    int mode;
    bool check_index;
    int count;
    // What destroys the held elements in mode 1; set by the owner that makes the array owning.
    // Without one, an owning array stops the program at its first element.
    tk_CARRE_Destroyer destroyer;

    tk_CARRE();
    tk_CARRE(int akt_alloc, int next_alloc_delta, int mode);
    virtual ~tk_CARRE();

    tk_CARRE(const tk_CARRE&) = delete;
    tk_CARRE& operator=(const tk_CARRE&) = delete;

    void Add(void* p);
    void PRIDAJ(void* p) { Add(p); }

    void* operator[](int i) const { return GET(i); }
    void* GET(int i) const;
    void SET(int i, void* p);
    void Blenduj(int i) { SET(i, nullptr); }
    void ShiftUp(int i);
    void ROLL(int a, int b);
    void ROLR(int a, int b);

    void Del() { --count; }
    void Zhod_count() { count = 0; }
    void SET_count(int n) {
        if (n >= 0) count = n;
    }
    void Trunc() { DetachAll(); }
    void DetachAll();
    void UVOLNI_char();

    void VYPIS_LOG() const;
    void VYPIS_LOG_char() const;

  private:
    bool outOfRange(int i) const;
};
