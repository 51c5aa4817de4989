// velmora-makeart OUTPUT_DIR: draws the game's cursors (104, 125) and program icon (118), and
// the icon as a PNG for the desktop entry.
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tools/makeart/cursors.h"
#include "tools/makeart/icon_file.h"
#include "tools/makeart/jigsaw_icon.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-makeart OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path outputDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(outputDir, error);

    std::vector<IconImage> iconImages;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        iconImages.push_back(drawJigsawIcon(size));

    const auto path = [&](const char* name) { return (outputDir / name).string(); };
    const bool written =
        writeIconFile(path("125.cur"), IconFileKind::cursor, {makeHandCursor()}) &&
        writeIconFile(path("104.cur"), IconFileKind::cursor, {makeArrowCursor()}) &&
        writeIconFile(path("118.ico"), IconFileKind::icon, iconImages) &&
        writePngFile(path("velmora.png"), iconImages.back());
    if (!written) {
        std::fprintf(stderr, "velmora-makeart: cannot write the cursors and icon in %s\n",
                     outputDir.c_str());
        return 1;
    }
    return 0;
}
