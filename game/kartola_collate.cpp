#include "game/kartola_collate.h"

#include <locale.h>
#include <string.h>

#include <algorithm>

namespace {

// The collation locale, made once and kept for the run; null when it is not installed.
locale_t slovak() {
    static const locale_t locale = [] {
        locale_t l = newlocale(LC_COLLATE_MASK, "sk_SK.UTF-8", static_cast<locale_t>(nullptr));
        if (!l) l = newlocale(LC_COLLATE_MASK, "sk_SK.utf8", static_cast<locale_t>(nullptr));
        return l;
    }();
    return locale;
}

}  // namespace

bool SlovakCollationAvailable() {
    return slovak() != nullptr;
}

void SortSlovak(std::vector<std::string>* names) {
    const locale_t l = slovak();
    std::sort(names->begin(), names->end(), [l](const std::string& a, const std::string& b) {
        if (l) {
            const int c = strcoll_l(a.c_str(), b.c_str(), l);
            if (c != 0) return c < 0;
        }
        return a < b;
    });
}
