// Switching puzzles through one place that first keeps the game being left in the library.
#include "library/switching.h"

#include <algorithm>
#include <new>
#include <optional>

#include "board/joining.h"
#include "library/damaged_puzzle.h"
#include "library/game_record.h"
#include "library/library_store.h"
#include "library/notices.h"
#include "library/old_kept_game.h"
#include "library/thumbnail.h"
#include "platform/system.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/puzzle_title.h"
#include "puzzle/state.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/writer.h"
#include "view/view.h"

namespace {

constexpr const char* cannotWriteText =
    "パズルライブラリに書き込めないため、ゲームを残せません";
constexpr const char* damagedGameText =
    "残していたゲームが壊れていたため、このパズルを最初から始めます";
constexpr const char* noMemoryText = "メモリが足りないため、パズルを作れません";

// The kept puzzles are never longer than the longest play file; a game record of the largest
// puzzle takes about 16 KB.
constexpr std::size_t maxSourceBytes = playfile::maxFileLength;
constexpr std::size_t maxGameRecordBytes = 64 * 1024;

// The entry in play, what the library knows of it, and its puzzle's bytes (for a made puzzle
// or a kept play file), so that the entry can be written again if it went missing.
struct EntryInPlay {
    std::string name;
    EntryInfo info;
    std::vector<std::uint8_t> source;
};
EntryInPlay inPlay;
bool writeFailureTold = false;

// Joins made: every piece that is not the first of its group was joined to it.
int joinsMade()
{
    const int count = getPieceCount();
    const int columns = getColumns();
    int joins = 0;
    for (int k = 0; k < count; ++k)
        for (int m = 0; m < k; ++m)
            if (groupCells(k)[m % columns][m / columns] != 0) {
                ++joins;
                break;
            }
    return joins;
}

enum class Building { built, failed, damaged };

// Builds the entry's puzzle afresh; when it cannot be, the game in play stays untouched and the
// answer says why: failed (the player told) or damaged (what the library keeps of the puzzle is
// missing or no puzzle).
Building buildEntryPuzzle(const std::string& name, const EntryInfo& info,
                          std::vector<std::uint8_t>& source)
{
    if (info.kind == EntryKind::series) {
        if (!buildPuzzleFrom(seriesPuzzleResource(info.seriesNumber)))
            return Building::failed;
        setPuzzleNumber(info.seriesNumber);
        setMadePuzzle(0);
        return Building::built;
    }
    std::optional<std::vector<std::uint8_t>> bytes =
        readEntryFile(name, sourceFileName(info.kind), maxSourceBytes);
    if (!bytes)
        return Building::damaged;
    if (info.kind == EntryKind::made) {
        if (!buildPuzzleFrom(*bytes, false))
            return Building::damaged;
        setMadePuzzle(1);
    } else {
        if (!loadPlayFileBytes(*bytes))
            return Building::damaged;
        adoptImageFileHeaders(*bytes);
        setMadePuzzle(info.madeFromPicture ? 1 : 0);
    }
    source = std::move(*bytes);
    return Building::built;
}

// The entry's puzzle is damaged: once the board shows, the player is asked whether to remove
// the entry; No keeps it as it is.
void offerToRemoveDamaged(const std::string& name, const std::string& title)
{
    whenBoardShows([name, title] {
        if (askToRemoveDamagedPuzzle(title) && name != inPlay.name)
            removeEntryFolder(name);
    });
}

// The entry's kept game over its freshly built puzzle: answers whether the preview was open
// in it. A damaged game is told of and forgotten; the puzzle stays fresh.
bool bringBackGame(const std::string& name)
{
    const std::optional<std::vector<std::uint8_t>> bytes =
        readEntryFile(name, gameFileName, maxGameRecordBytes);
    if (!bytes)
        return false;
    const std::optional<GameRecordExtras> extras = installGameRecord(*bytes);
    if (!extras) {
        removeEntryFile(name, gameFileName);
        tellPlayer(damagedGameText);
        return false;
    }
    restoreView(extras->view);
    return extras->previewShown;
}

// Puts the entry in play, continued or afresh, after keeping the game in play; keeps the entry
// now in play too when `keepNow`.
bool putEntryInPlay(const std::string& name, bool afresh, bool keepNow, bool& previewWasShown)
{
    std::optional<EntryInfo> info = entryInfoOrFresh(name);
    if (!info)
        return false;
    keepGameInLibrary();
    try {
        std::vector<std::uint8_t> source;
        const Building building = buildEntryPuzzle(name, *info, source);
        if (building == Building::damaged)
            offerToRemoveDamaged(name, info->title);
        if (building != Building::built)
            return false;
        if (afresh && info->kind == EntryKind::file)
            scatterPuzzleAfresh();
        previewWasShown = !afresh && bringBackGame(name);
        inPlay = {name, std::move(*info), std::move(source)};
    } catch (const std::bad_alloc&) {
        tellPlayer(noMemoryText);
        return false;
    }
    invalidateWindow(getMainWindow(), false);
    if (keepNow)
        keepGameInLibrary();
    return true;
}

bool putEntryInPlay(const std::string& name, bool afresh)
{
    bool previewWasShown = false;
    return putEntryInPlay(name, afresh, true, previewWasShown);
}

// A puzzle now in play from bytes the player gave: its entry, new or kept before, takes it.
void adoptNewEntry(EntryKind kind, std::vector<std::uint8_t> source)
{
    const std::string name = sourceEntryName(kind, source);
    EntryInfo info = readEntryInfo(name).value_or(EntryInfo{kind});
    info.madeFromPicture = false;
    inPlay = {name, std::move(info), std::move(source)};
    keepGameInLibrary();
}

bool keepEntryFiles()
{
    const std::string& name = inPlay.name;
    EntryInfo& info = inPlay.info;
    info.title = titleOfPuzzleInPlay();
    info.pieces = getPieceCount();
    info.lastPlayed = timeOfDaySeconds();
    bool written = true;
    if (info.kind != EntryKind::series && !entryFileExists(name, sourceFileName(info.kind)))
        written = writeEntryFile(name, sourceFileName(info.kind), inPlay.source);
    if (info.kind != EntryKind::series && info.thumbnail.width == 0)
        info.thumbnail = thumbnailOfDib(getPictureDib(), getPictureBits(), getPictureWidth(),
                                        getPictureHeight());
    if (puzzleComplete()) {
        removeEntryFile(name, gameFileName);
        info.playedSeconds = 0;
        info.joinedPieces = 0;
        info.gameKept = false;
    } else {
        info.playedSeconds = playedSeconds();
        info.joinedPieces = joinsMade();
        const std::vector<std::uint8_t> record =
            gameRecordBytes({keptView(), getPreviewShown() == 1});
        info.gameKept = !record.empty() && writeEntryFile(name, gameFileName, record);
        written = info.gameKept && written;
    }
    written = writeEntryFile(name, infoFileName, entryInfoText(info)) && written;
    return writeCurrentPuzzle({name, getPuzzleNumber()}) && written;
}

}  // namespace

bool keepGameInLibrary()
{
    if (getPictureDib() == nullptr || inPlay.name.empty())
        return false;
    bool written = false;
    try {
        written = keepEntryFiles();
    } catch (const std::bad_alloc&) {
        written = false;
    }
    if (!written && !writeFailureTold) {
        writeFailureTold = true;
        tellPlayer(cannotWriteText);
    }
    return written;
}

bool resumeLastPuzzle()
{
    inPlay = {};
    writeFailureTold = false;
    bool previewWasShown = false;
    if (const std::optional<CurrentPuzzle> current = readCurrentPuzzle()) {
        setPuzzleNumber(current->seriesNumber);
        if (putEntryInPlay(current->entry, false, false, previewWasShown))
            return previewWasShown;
    } else if (std::optional<OldKeptGame> old = takeInOldKeptGame()) {
        if (old->series)
            inPlay = {seriesEntryName(getPuzzleNumber()),
                      EntryInfo{EntryKind::series, getPuzzleNumber()}, {}};
        else
            inPlay = {sourceEntryName(EntryKind::file, old->bytes),
                      EntryInfo{EntryKind::file, 0, getMadePuzzle() == 1}, std::move(old->bytes)};
        if (keepGameInLibrary())
            forgetOldKeptGame();
        return old->previewWasShown;
    }
    // The first start, or a puzzle last in play that cannot be built: the series puzzle.
    putEntryInPlay(seriesEntryName(getPuzzleNumber()), false, false, previewWasShown);
    return previewWasShown;
}

const std::string& entryInPlay()
{
    return inPlay.name;
}

bool continueEntry(const std::string& name)
{
    return putEntryInPlay(name, false);
}

bool startEntryOver(const std::string& name)
{
    return putEntryInPlay(name, true);
}

bool playMadePuzzle(std::span<const std::uint8_t> resource)
{
    keepGameInLibrary();
    if (!buildPuzzleFrom(resource))
        return false;
    setMadePuzzle(1);
    adoptNewEntry(EntryKind::made, {resource.begin(), resource.end()});
    return true;
}

bool playOpenedFile(std::vector<std::uint8_t> bytes)
{
    keepGameInLibrary();
    if (!loadPlayFileBytes(bytes))
        return false;
    setMadePuzzle(0);
    adoptNewEntry(EntryKind::file, std::move(bytes));
    return true;
}

void restartPuzzle()
{
    // A made puzzle is laid out anew; anything else of the series starts the series puzzle.
    if (getMadePuzzle() == 1) {
        scatterPuzzleAfresh();
        keepGameInLibrary();
        return;
    }
    startEntryOver(seriesEntryName(getPuzzleNumber()));
}

void noteFinishedPuzzle()
{
    if (inPlay.name.empty())
        return;
    EntryInfo& info = inPlay.info;
    const std::int64_t seconds = playedSeconds();
    ++info.timesFinished;
    info.bestSeconds = info.timesFinished == 1 ? seconds : std::min(info.bestSeconds, seconds);
    keepGameInLibrary();
}

bool seriesPuzzleInPlay()
{
    return inPlay.name.empty() || inPlay.info.kind == EntryKind::series;
}

void goOnWithSeries()
{
    continueEntry(seriesEntryName(getPuzzleNumber()));
}
