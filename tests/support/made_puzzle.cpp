// Puzzle resources made by the puzzle maker, through a scratch file.
#include "made_puzzle.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/makepuzzle/maker.h"

std::vector<std::uint8_t> makeMadePuzzle(const std::string& picturePath, int columns, int rows,
                                         int core, int margin)
{
    char pattern[] = "/tmp/velmora-made-XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (folder == nullptr)
        return {};
    MakerOptions options;
    options.columns = columns;
    options.rows = rows;
    options.core = core;
    options.margin = margin;
    options.picturePath = picturePath;
    options.outputPath = std::string(folder) + "/made.jzt";
    std::string error;
    std::vector<std::uint8_t> bytes;
    if (makePuzzleFile(options, error)) {
        std::ifstream in(options.outputPath, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::filesystem::remove_all(folder);
    return bytes;
}
