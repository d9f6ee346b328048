#include "tools/art/banner.h"
#include "tools/art/game_sheet.h"
#include "tools/art/program_icon.h"
#include "tools/art/skin.h"
#include "tools/art/sounds.h"
#include "tools/lib/bmp_write.h"
#include "tools/lib/ico_write.h"
#include "tools/lib/wav_write.h"
#include "tools/resgen/outputs.h"

namespace resgen {

bool WriteResources(const std::string& folder) {
    using namespace art;
    bool ok = WriteFile(folder + "/rezia_dll.bmp", EncodeBmp24(DrawSkinSheet()));
    ok = WriteFile(folder + "/rezia.bmp", EncodeBmp24(DrawGameSheet())) && ok;
    ok = WriteFile(folder + "/sprite_plane.bmp", EncodeBmp24(DrawBanner())) && ok;
    ok = WriteFile(folder + "/kartola.ico", EncodeIco({ProgramIconImage(16), ProgramIconImage(32)})) && ok;
    for (const Sound& s : MakeSounds())
        ok = WriteFile(folder + "/" + s.file, EncodeWav(s.channels, s.rate, s.bits)) && ok;
    return ok;
}

}  // namespace resgen
