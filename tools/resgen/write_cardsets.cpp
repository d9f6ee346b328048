#include <sys/stat.h>

#include "tools/art/cardsets.h"
#include "tools/lib/bmp_write.h"
#include "tools/resgen/outputs.h"

namespace resgen {

bool WriteCardSets(const std::string& folder) {
    bool ok = true;
    for (const art::CardSet& set : art::MakeCardSets()) {
        const std::string dir = folder + "/" + set.folder;
        ::mkdir(dir.c_str(), 0755);
        for (const art::CardPicture& c : set.cards) {
            ok = art::WriteFile(dir + "/" + c.name + "." + c.extension, c.file) && ok;
            // Only the marker's existence counts; it is left empty.
            if (c.spriteSheet) ok = art::WriteFile(dir + "/" + c.name + ".faz", {}) && ok;
        }
    }
    return ok;
}

}  // namespace resgen
