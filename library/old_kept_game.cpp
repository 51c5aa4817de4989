// The game an older version kept between runs, taken into the library once.
#include "library/old_kept_game.h"

#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/check.h"
#include "savegame/image_blocks.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/series.h"
#include "view/view.h"

namespace {

std::string seriesPath()
{
    return userDataFolder() + "/autosave.series";
}

std::string viewPath()
{
    return userDataFolder() + "/autosave.view";
}

// The series number and kind kept beside the play file; the first puzzle of the series, not
// made, when that file is missing or wrong.
void readSeries(int& puzzleNumber, int& made)
{
    puzzleNumber = firstSeriesPuzzleNumber;
    made = 0;
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(seriesPath(), bytes, 64) == FileReadOutcome::read)
        parseSeries(bytes, puzzleNumber, made);
}

// "view P X Y": the zoom level in percent (0 for the whole board) and the scroll offset at that
// level; the view a fresh layout gets when that file is missing or wrong.
void readView()
{
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(viewPath(), bytes, 64) != FileReadOutcome::read)
        return;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string word;
    long long percent = -1, x = -1, y = -1;
    constexpr long long farthest = 1000000;
    if (in >> word >> percent >> x >> y && word == "view" && x >= 0 && x <= farthest &&
        y >= 0 && y <= farthest && percent >= 0 && percent <= 1000)
        restoreView({static_cast<int>(percent), {static_cast<int>(x), static_cast<int>(y)}});
}

// Whether the play file's six images are those of the puzzle in play.
bool imagesInPlay(const std::vector<std::uint8_t>& bytes)
{
    using namespace playfile;
    const Geometry geometry = currentGeometry();
    if (headerGeometry({bytes.data(), headerSize}) != geometry)
        return false;
    std::size_t offset = imageBlocksOffset;
    for (int index = 0; index < imageBlockCount; ++index) {
        const std::size_t size = imageBlockSize(geometry, index);
        if (stateImage(index) == nullptr ||
            std::memcmp(stateImage(index), bytes.data() + offset + 14, size - 14) != 0)
            return false;
        offset += size;
    }
    return true;
}

}  // namespace

std::string oldKeptGamePath()
{
    return userDataFolder() + "/autosave.jps";
}

std::optional<OldKeptGame> takeInOldKeptGame()
{
    OldKeptGame old;
    if (readWholeFile(oldKeptGamePath(), old.bytes, playfile::maxFileLength) !=
            FileReadOutcome::read ||
        !playFileValid(old.bytes))
        return std::nullopt;
    int puzzleNumber = firstSeriesPuzzleNumber;
    int made = 0;
    readSeries(puzzleNumber, made);
    setPuzzleNumber(puzzleNumber);
    old.series = made == 0 && buildPuzzleFrom(seriesPuzzleResource(puzzleNumber)) &&
                 imagesInPlay(old.bytes);
    loadPlayFileBytes(old.bytes);
    adoptImageFileHeaders(old.bytes);
    setMadePuzzle(made);
    old.previewWasShown = old.bytes[playfile::previewShownAt] == 1;
    readView();
    if (old.series)
        old.bytes = {};
    return old;
}

void forgetOldKeptGame()
{
    std::error_code ignored;
    for (const std::string& path : {oldKeptGamePath(), seriesPath(), viewPath()})
        std::filesystem::remove(pathFromUtf8(path), ignored);
}
