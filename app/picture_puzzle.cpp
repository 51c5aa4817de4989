// Command 40020: a puzzle made from the player's picture and put in play.
#include "app/picture_puzzle.h"

#include <new>
#include <optional>

#include "library/switching.h"
#include "maker/make.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "ui/picture_puzzle_dialog.h"

namespace {

constexpr const char* noMemoryText = "メモリが足りないため、パズルを作れません";

}  // namespace

void makePuzzleFromPictureCommand()
{
    const std::optional<PicturePuzzleChoice> choice = askForPicturePuzzle();
    if (!choice)
        return;
    // The game goes on without the new puzzle when its memory cannot be had.
    try {
        const std::vector<std::uint8_t> resource =
            makePuzzleResource(choice->picture,
                               geometryForChoice(choice->size, choice->picture.width,
                                                 choice->picture.height),
                               choice->title, static_cast<std::uint32_t>(timeOfDaySeconds()));
        playMadePuzzle(resource);
    } catch (const std::bad_alloc&) {
        messageBox(getMainWindow(), noMemoryText);
    }
}
