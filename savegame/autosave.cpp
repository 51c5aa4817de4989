// The game in progress kept between runs: written as a play file when the program ends,
// read back through the checked reader when it starts.
#include "savegame/autosave.h"

#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "board/joining.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "puzzle/state.h"
#include "savegame/image_blocks.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/series.h"
#include "savegame/writer.h"
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

void forgetKeptGame()
{
    std::error_code ignored;
    std::filesystem::remove(pathFromUtf8(autosavePath()), ignored);
    std::filesystem::remove(pathFromUtf8(seriesPath()), ignored);
    std::filesystem::remove(pathFromUtf8(viewPath()), ignored);
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
// level, in window pixels.
std::vector<std::uint8_t> viewText()
{
    const KeptView view = keptView();
    const std::string text = "view " + std::to_string(view.percent) + " " +
                             std::to_string(view.scroll.x) + " " +
                             std::to_string(view.scroll.y) + "\n";
    return {text.begin(), text.end()};
}

// The view kept beside the play file; the view a fresh layout gets when that file is missing
// or wrong.
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

bool writeWholeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return replaceFileContents(
               path, [&bytes](const FileTransfer& transfer) { return transfer(bytes); },
               true) == FileWriteOutcome::written;
}

}  // namespace

std::string autosavePath()
{
    return userDataFolder() + "/autosave.jps";
}

void keepGameInProgress()
{
    // Without a puzzle in play (its build failed) there is nothing to keep.
    if (getPictureDib() == nullptr)
        return;
    if (puzzleComplete()) {
        forgetKeptGame();
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(pathFromUtf8(userDataFolder()), ignored);
    if (replaceFileContents(autosavePath(), writePlayFile, true) == FileWriteOutcome::written) {
        writeWholeBytes(seriesPath(), seriesText(getPuzzleNumber(), getMadePuzzle()));
        writeWholeBytes(viewPath(), viewText());
    }
}

bool restoreGameInProgress(bool& previewWasShown)
{
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(autosavePath(), bytes, playfile::maxFileLength) != FileReadOutcome::read ||
        !loadPlayFileBytes(bytes))
        return false;
    int puzzleNumber = firstSeriesPuzzleNumber;
    int made = 0;
    readSeries(puzzleNumber, made);
    setPuzzleNumber(puzzleNumber);
    setMadePuzzle(made);
    // The bitmap file headers come with the file, so that saving it again gives the same bytes.
    const playfile::Geometry geometry = playfile::currentGeometry();
    std::size_t offset = playfile::imageBlocksOffset;
    for (int index = 0; index < playfile::imageBlockCount; ++index) {
        std::memcpy(playfile::stateFileHeader(index), bytes.data() + offset, 14);
        offset += playfile::imageBlockSize(geometry, index);
    }
    previewWasShown = bytes[playfile::previewShownAt] == 1;
    readView();
    return true;
}
