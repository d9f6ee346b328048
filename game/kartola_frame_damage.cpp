#include "game/kartola_frame_damage.h"

#include <algorithm>

namespace {

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool empty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

bool same(const FrameItem& a, const FrameItem& b) {
    return a.key == b.key && a.box.left == b.box.left && a.box.top == b.box.top &&
           a.box.right == b.box.right && a.box.bottom == b.box.bottom;
}

void addArea(std::vector<RECT>& area, const RECT& box) {
    if (empty(box)) return;
    for (const RECT& r : area) {
        if (inside(box, r)) return;
    }
    area.push_back(box);
}

bool meetsArea(const std::vector<RECT>& area, const RECT& box) {
    return std::any_of(area.begin(), area.end(), [&](const RECT& r) { return BoxesMeet(box, r); });
}

}  // namespace

ItemKey& ItemKey::Add(std::string_view text) {
    Add(static_cast<std::uint64_t>(text.size()));
    for (unsigned char c : text) Add(static_cast<std::uint64_t>(c));
    return *this;
}

FrameChanges ChangesBetween(const std::vector<FrameItem>& last, const std::vector<FrameItem>& now) {
    FrameChanges changes;
    std::vector<const FrameItem*> before;
    before.reserve(last.size());
    for (const FrameItem& item : last) before.push_back(&item);
    auto byId = [](const FrameItem* a, const FrameItem* b) { return a->id < b->id; };
    std::sort(before.begin(), before.end(), byId);
    std::vector<bool> matched(before.size(), false);
    std::vector<bool> redrawn(now.size(), false);
    // Where an item came, went, moved or changed.
    for (std::size_t i = 0; i < now.size(); ++i) {
        const FrameItem& item = now[i];
        auto it = std::lower_bound(before.begin(), before.end(), &item, byId);
        const bool known = it != before.end() && (*it)->id == item.id;
        if (known) matched[static_cast<std::size_t>(it - before.begin())] = true;
        if (known && same(**it, item)) continue;
        if (known) addArea(changes.area, (*it)->box);
        addArea(changes.area, item.box);
        redrawn[i] = true;
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!matched[i]) addArea(changes.area, before[i]->box);
    }
    // Everything that meets the area is drawn again, so the area grows by its box, which may
    // reach further items, under or over it.
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (redrawn[i] || !meetsArea(changes.area, now[i].box)) continue;
            redrawn[i] = true;
            addArea(changes.area, now[i].box);
            grew = true;
        }
    }
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (redrawn[i]) changes.redrawn.push_back(now[i].id);
    }
    std::sort(changes.redrawn.begin(), changes.redrawn.end());
    return changes;
}
