// Writes a kept game of a made 1000-piece puzzle (40 x 25 pieces of the given picture, at
// 100 %) into a data folder, for bench/startup_bench.py's start-up with a large kept game.
//
// Usage: velmora_make_kept_game PICTURE DATA_FOLDER
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "board/render.h"
#include "platform/headless/headless.h"
#include "platform/system.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "library/switching.h"
#include "tests/support/made_puzzle.h"
#include "tests/support/puzzle_fixture.h"
#include "view/view.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE DATA_FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path scratch =
        fs::temp_directory_path(error) / ("velmora-kept-game-" + std::to_string(getpid()));
    startEmbeddedGame();
    headless::setModulePath((scratch / "velmora").string());
    if (!playMadePuzzle(makeMadePuzzle(argv[1], 40, 25, 16, 32))) {
        std::fprintf(stderr, "%s: the maker refused the picture\n", argv[0]);
        return 1;
    }
    paintBoard();
    zoomViewTo(100, {0, 0});
    keepGameInLibrary();
    const fs::path kept = userDataFolder();
    fs::create_directories(argv[2], error);
    fs::copy(kept, argv[2], fs::copy_options::overwrite_existing | fs::copy_options::recursive,
             error);
    fs::remove_all(scratch, error);
    if (error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.message().c_str());
        return 1;
    }
    return 0;
}
