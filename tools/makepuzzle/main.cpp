// velmora-makepuzzle: turns a picture into a puzzle resource with jigsaw-shaped pieces.
#include <iostream>
#include <string>
#include <vector>

#include "tools/makepuzzle/maker.h"
#include "tools/makepuzzle/options.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    MakerOptions options;
    std::string error;
    if (!parseOptions(arguments, options, error)) {
        std::cerr << "velmora-makepuzzle: " << error << "\n" << usageText();
        return 2;
    }
    if (options.usageWanted) {
        std::cout << usageText();
        return 0;
    }
    if (!makePuzzleFile(options, error)) {
        std::cerr << "velmora-makepuzzle: " << error << "\n";
        return 1;
    }
    return 0;
}
