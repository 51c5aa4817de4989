// The Puzzles window command: the library listed, and the puzzle chosen there put in play.
#include "app/puzzles_window_command.h"

#include "library/listing.h"
#include "library/switching.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "ui/puzzles_window.h"

namespace {

PuzzleListing listingOf(ListedEntry& entry)
{
    const EntryInfo& info = entry.info;
    PuzzleListing listing{entry.name, info.title, info.pieces, std::move(entry.info.thumbnail)};
    listing.inProgress = info.gameKept;
    listing.percentJoined =
        info.pieces > 1 ? static_cast<int>(100LL * info.joinedPieces / (info.pieces - 1)) : 0;
    listing.timesFinished = info.timesFinished;
    listing.bestSeconds = info.bestSeconds;
    listing.removable = info.kind != EntryKind::series && entry.name != entryInPlay();
    return listing;
}

}  // namespace

void showPuzzlesWindow()
{
    // The list shows the game in play as it is now.
    keepGameInLibrary();
    std::vector<PuzzleListing> listings;
    for (ListedEntry& entry : listEntries())
        listings.push_back(listingOf(entry));
    const std::optional<PuzzleChoice> choice =
        askForPuzzle(std::move(listings), entryInPlay(), removeEntry);
    if (choice && choice->startOver)
        startEntryOver(choice->key);
    else if (choice && choice->key != entryInPlay())
        continueEntry(choice->key);
    invalidateWindow(getMainWindow(), false);
}
