// kartola_icons: the program's icon as PNG files in the sizes desktops look for, drawn by the same
// code as the icon inside the program.
//   kartola_icons <folder>   writes <folder>/hicolor/<n>x<n>/apps/kartola.png
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/art/program_icon.h"
#include "tools/lib/png_out.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(argv[1]) / "hicolor" / (n + "x" + n) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        const art::IconImage icon = art::ProgramIconImage(size);
        if (!art::WritePngArgb((folder / "kartola.png").string(), size, size, icon.argb)) {
            std::fprintf(stderr, "kartola_icons: %s cannot be written\n", (folder / "kartola.png").c_str());
            return 1;
        }
    }
    return 0;
}
