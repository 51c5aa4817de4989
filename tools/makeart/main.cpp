// velmora-makeart OUTPUT_DIR: draws the game's cursors (104, 125), program icon (118), the
// completion panels (bitmaps 128, 129, 130 and their mask 134), and the icon as PNG files in
// the sizes of the desktop's icon theme (hicolor/<size>x<size>/apps/org.velmora.velmora.png).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/makeart/cursors.h"
#include "tools/makeart/icon_file.h"
#include "tools/makeart/jigsaw_icon.h"
#include "tools/makeart/panels.h"

namespace {

bool writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

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
    bool written = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        iconImages.push_back(drawJigsawIcon(size));
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path themeFolder = outputDir / "hicolor" / sizeName / "apps";
        std::filesystem::create_directories(themeFolder, error);
        written = written &&
                  writePngFile((themeFolder / "org.velmora.velmora.png").string(), iconImages.back());
    }

    const auto path = [&](const char* name) { return (outputDir / name).string(); };
    written = written &&
        writeIconFile(path("125.cur"), IconFileKind::cursor, {makeHandCursor()}) &&
        writeIconFile(path("104.cur"), IconFileKind::cursor, {makeArrowCursor()}) &&
        writeIconFile(path("118.ico"), IconFileKind::icon, iconImages) &&
        writeBytes(outputDir / "128.dib", drawPanel(PanelKind::brownWood)) &&
        writeBytes(outputDir / "129.dib", drawPanel(PanelKind::blackLacquer)) &&
        writeBytes(outputDir / "130.dib", drawPanel(PanelKind::gold)) &&
        writeBytes(outputDir / "134.dib", drawPanel(PanelKind::frameMask));
    if (!written) {
        std::fprintf(stderr, "velmora-makeart: cannot write the cursors, icon and panels in %s\n",
                     outputDir.c_str());
        return 1;
    }
    return 0;
}
