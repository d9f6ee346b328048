#define TK_MODULE "TK_ARRE_w"
#include "framework/support/tk_CARRE.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"

namespace {

void** allocSlots(int n) {
    auto slots = new void*[static_cast<std::size_t>(n)];
    std::memset(slots, 0, sizeof(void*) * static_cast<std::size_t>(n));
    return slots;
}

}  // namespace

tk_CARRE::tk_CARRE() : tk_CARRE(0, 0, 2) {}

tk_CARRE::tk_CARRE(int alloc, int delta, int mode_)
    : items(nullptr),
      akt_alloc(alloc),
      next_alloc_delta(delta),
      mode(mode_),
      check_index(true),
      count(0),
      destroyer(nullptr) {
    if (akt_alloc > 0) {
        items = allocSlots(akt_alloc);
    } else {
        akt_alloc = 0;
    }
}

tk_CARRE::~tk_CARRE() {
    if (akt_alloc != 0 && items) {
        if (mode == 1) DetachAll();
        delete[] items;
        items = nullptr;
    }
}

void tk_CARRE::Add(void* p) {
    if (akt_alloc == 0 || !items) {
        delete[] items;
        akt_alloc = 4;
        items = allocSlots(akt_alloc);
        count = 0;
    }
    if (count >= akt_alloc) {
        int size = next_alloc_delta != 0 ? akt_alloc + next_alloc_delta : 2 * akt_alloc;
        void** grown = allocSlots(size);
        std::memcpy(grown, items, sizeof(void*) * static_cast<std::size_t>(count));
        delete[] items;
        items = grown;
        akt_alloc = size;
    }
    items[count++] = p;
}

bool tk_CARRE::outOfRange(int i) const {
    if (i >= 0 && i < count) return false;
    TK_LOG("Chyba: Index je mimo rozsah", i, count);
    return true;
}

void* tk_CARRE::GET(int i) const {
    if (check_index && outOfRange(i)) return nullptr;
    return items[i];
}

void tk_CARRE::SET(int i, void* p) {
    if (check_index && outOfRange(i)) return;
    items[i] = p;
}

void tk_CARRE::ShiftUp(int i) {
    if (i >= 0 && i < count && items[i] != nullptr) TK_FAIL("assert: ocakavana NULL hodnota");
    if (i < 0 || i >= count) TK_FAIL("assert: index mimo rozsah");
    for (int j = i; j < count - 1; ++j) {
        items[j] = items[j + 1];
        items[j + 1] = nullptr;
    }
    --count;
}

void tk_CARRE::ROLL(int a, int b) {
    if (!(a < b && a >= 0 && b <= count - 1)) return;
    void* saved = items[a];
    for (int j = a; j < b; ++j) items[j] = items[j + 1];
    items[b] = saved;
}

void tk_CARRE::ROLR(int a, int b) {
    if (!(a < b && a >= 0 && b <= count - 1)) return;
    void* saved = items[b];
    for (int j = b; j > a; --j) items[j] = items[j - 1];
    items[a] = saved;
}

void tk_CARRE::DetachAll() {
    if (akt_alloc == 0 || !items) return;
    if (mode == 1) {
        for (int i = 0; i < count; ++i) {
            if (!items[i]) continue;
            if (!destroyer || !destroyer(items[i])) TK_FAIL("tk_CARRE::DetachAll - switch class_id - assert");
            items[i] = nullptr;
        }
    }
    count = 0;
}

void tk_CARRE::UVOLNI_char() {
    for (int i = 0; i < count; ++i) {
        // String entries are allocated with the global allocator (new char[]) by their producers.
        delete[] static_cast<char*>(items[i]);
        items[i] = nullptr;
    }
    count = 0;
}

void tk_CARRE::VYPIS_LOG() const {
    char buf[500];
    std::snprintf(buf, sizeof(buf),
                  "tk_CARRE::VYPIS_LOG(): count[%d]; akt_alloc[%d]; next_alloc_delta[%d]; mode[%d]", count,
                  akt_alloc, next_alloc_delta, mode);
    TK_LOG(buf);
}

void tk_CARRE::VYPIS_LOG_char() const {
    char buf[500];
    std::snprintf(buf, sizeof(buf),
                  "tk_CARRE::VYPIS_LOG_char(): count[%d]; akt_alloc[%d]; next_alloc_delta[%d]; mode[%d]",
                  count, akt_alloc, next_alloc_delta, mode);
    TK_LOG(buf);
    for (int i = 0; i < count; ++i) {
        const char* s = static_cast<const char*>(items[i]);
        std::snprintf(buf, sizeof(buf), "  ARR[%d]: [%s]", i, s ? s : "(null)");
        TK_LOG(buf);
    }
}
