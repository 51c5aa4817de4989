// Files from outside that the game must refuse whole: each bad kind of puzzle resource or play
// file is refused with its message, once, and leaves the game exactly as it was. On the other
// side, the extreme puzzles that are valid build, play, and open again from their play files.
#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/layout.h"
#include "savegame/writer.h"
#include "settings/settings.h"
#include "support/game_invariants.h"
#include "support/made_puzzle.h"
#include "support/puzzle_fixture.h"
#include "support/state_snapshot.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string readFailure = "messagebox ファイルの読み込みに失敗しました";

// Where a bad file enters the game: as the embedded puzzle, or chosen in the open command
// as a file with these bytes, a folder, or a path where nothing is. The open dialog hands
// over only files that exist, as the toolkit's does, so the last two never reach the reader.
enum class FileKind {
    puzzleResource,
    playFile,
    folderAsPlayFile,
    pipeAsPlayFile,
    deviceLinkAsPlayFile,
    missingPlayFile,
};

struct HostileFile {
    const char* name;
    FileKind kind;
    std::function<Bytes()> make;
};

fs::path testFolderPath()
{
    return fs::temp_directory_path() / ("velmora-hostile-" + std::to_string(getpid()));
}

// The test's own folder, which also holds the settings file the open command writes to.
fs::path testFolder()
{
    const fs::path folder = testFolderPath();
    fs::create_directories(folder);
    headless::setModulePath((folder / "velmora").string());
    buildSettingsPath();
    return folder;
}

void openPlayFile(const fs::path& path)
{
    headless::scriptFileChoice(path.string());
    sendMessage(getMainWindow(), WM_COMMAND, openCommandId, 0);
    headless::pumpMessages();
}

// Hands the file to the game the way a player would meet it.
void feed(FileKind kind, const Bytes& bytes)
{
    if (kind == FileKind::puzzleResource) {
        headless::overrideResource("JZT", 164, bytes);
        setPuzzleNumber(2);
        buildPuzzle();
        return;
    }
    const fs::path path = testFolder() / "game.jps";
    fs::remove_all(path);
    if (kind == FileKind::playFile)
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    else if (kind == FileKind::folderAsPlayFile)
        fs::create_directories(path);
    else if (kind == FileKind::pipeAsPlayFile)
        mkfifo(path.c_str(), 0600);
    else if (kind == FileKind::deviceLinkAsPlayFile)
        fs::create_symlink("/dev/zero", path);
    openPlayFile(path);
}

// The message boxes shown since the events were last cleared.
std::vector<std::string> messagesShown()
{
    std::vector<std::string> shown;
    for (const std::string& event : headless::events())
        if (event.rfind("messagebox ", 0) == 0)
            shown.push_back(event);
    return shown;
}

// A valid 3 x 4 puzzle (picture 440 x 560) with one byte changed.
constexpr std::size_t pictureInfo = 6400 + 14;
constexpr std::size_t labelInfo = pictureInfo + 440 * 560 * 3 + 40 + 14;

Bytes validPuzzle() { return makePuzzleResource({}); }

Bytes withByte(std::size_t at, std::uint8_t value)
{
    Bytes bytes = validPuzzle();
    bytes[at] = value;
    return bytes;
}

Bytes cutTo(std::size_t size)
{
    Bytes bytes = validPuzzle();
    bytes.resize(size);
    return bytes;
}

// The play file of a built 3 x 2 puzzle of 12-pixel pieces.
const Bytes& validPlayFile()
{
    static const Bytes file = [] {
        startEmbeddedGame();
        headless::overrideResource("JZT", 164, makePuzzleResource({3, 2, 4, 4, 0}));
        buildPuzzle();
        return playFileBytes();
    }();
    return file;
}

// The valid play file with one byte changed.
Bytes playFileWith(std::size_t at, std::uint8_t value)
{
    Bytes bytes = validPlayFile();
    bytes[at] = value;
    return bytes;
}

// Where the 14-byte file header of image block `index` of the valid play file starts.
std::size_t imageBlockAt(int index)
{
    const playfile::Geometry geometry = playfile::headerGeometry(validPlayFile());
    std::size_t offset = playfile::imageBlocksOffset;
    for (int i = 0; i < index; ++i)
        offset += playfile::imageBlockSize(geometry, i);
    return offset;
}

// The byte holding the bit depth of image block `index`.
std::size_t bitCountAt(int index) { return imageBlockAt(index) + 14 + 14; }

const std::vector<HostileFile>& hostileFiles()
{
    static const std::vector<HostileFile> files = {
        {"Empty", FileKind::puzzleResource, [] { return Bytes{}; }},
        {"HeaderOnly", FileKind::puzzleResource, [] { return cutTo(6400); }},
        {"RightLengthAllFF", FileKind::puzzleResource,
         [] { return Bytes(validPuzzle().size(), 0xFF); }},
        {"ColumnsZero", FileKind::puzzleResource, [] { return withByte(0, 0); }},
        {"RowsZero", FileKind::puzzleResource, [] { return withByte(4, 0); }},
        {"PictureCutShort", FileKind::puzzleResource, [] { return cutTo(labelInfo - 1000); }},
        {"LabelCutShort", FileKind::puzzleResource,
         [] { return cutTo(validPuzzle().size() - 1); }},
        {"PictureOf8BitsIn24BitFormat", FileKind::puzzleResource,
         [] { return withByte(pictureInfo + 14, 8); }},
        {"PictureOf32Bits", FileKind::puzzleResource,
         [] { return withByte(pictureInfo + 14, 32); }},
        {"LabelOf8Bits", FileKind::puzzleResource, [] { return withByte(labelInfo + 14, 8); }},
        {"LabelOf1Bit", FileKind::puzzleResource, [] { return withByte(labelInfo + 14, 1); }},
        {"CompressedPicture", FileKind::puzzleResource,
         [] { return withByte(pictureInfo + 16, 1); }},
        {"NegativeHeightPicture", FileKind::puzzleResource,
         [] { return withByte(pictureInfo + 11, 0xFF); }},
        {"FewerRowsThanTheImages", FileKind::puzzleResource, [] { return withByte(4, 3); }},
        {"MoreColumnsThanTheImages", FileKind::puzzleResource, [] { return withByte(0, 4); }},
        {"WiderPictureHeader", FileKind::puzzleResource,
         [] { return withByte(pictureInfo + 4, 444 & 0xFF); }},
        {"PieceSize201", FileKind::puzzleResource, [] { return withByte(8, 41); }},
        {"TooManyPieces41x26", FileKind::puzzleResource,
         [] {
             Bytes bytes = withByte(0, 41);
             bytes[4] = 26;
             return bytes;
         }},
        {"PictureNotIncluded", FileKind::puzzleResource, [] { return withByte(354, 0); }},
        {"UnknownPictureFormat", FileKind::puzzleResource, [] { return withByte(16, 3); }},
        {"EmptyPlayFile", FileKind::playFile, [] { return Bytes{}; }},
        {"FolderAsPlayFile", FileKind::folderAsPlayFile, [] { return Bytes{}; }},
        {"PipeAsPlayFile", FileKind::pipeAsPlayFile, [] { return Bytes{}; }},
        {"DeviceLinkAsPlayFile", FileKind::deviceLinkAsPlayFile, [] { return Bytes{}; }},
        {"MissingPlayFile", FileKind::missingPlayFile, [] { return Bytes{}; }},
        {"PlayFileAllFF", FileKind::playFile,
         [] { return Bytes(validPlayFile().size(), 0xFF); }},
        {"PlayFileColumnsZero", FileKind::playFile,
         [] { return playFileWith(playfile::columnsAt, 0); }},
        {"PlayFileCutInThePicture", FileKind::playFile,
         [] {
             Bytes bytes = validPlayFile();
             bytes.resize(imageBlockAt(1) - 1);
             return bytes;
         }},
        {"PlayFileCutInTheMask", FileKind::playFile,
         [] {
             Bytes bytes = validPlayFile();
             bytes.pop_back();
             return bytes;
         }},
        {"PlayFilePictureOf8Bits", FileKind::playFile,
         [] { return playFileWith(bitCountAt(0), 8); }},
        {"PlayFileSheetOf32Bits", FileKind::playFile,
         [] { return playFileWith(bitCountAt(2), 32); }},
        {"PlayFileMaskOf8Bits", FileKind::playFile,
         [] { return playFileWith(bitCountAt(5), 8); }},
        // Two columns of three rows: the same length as three of two, other images.
        {"PlayFileGeometryTurned", FileKind::playFile,
         [] {
             Bytes bytes = playFileWith(playfile::columnsAt, 2);
             bytes[playfile::rowsAt] = 3;
             return bytes;
         }},
        {"PlayFileMoreRowsThanItsImages", FileKind::playFile,
         [] { return playFileWith(playfile::rowsAt, 3); }},
    };
    return files;
}

template <typename Param>
class InOwnFolder : public ::testing::TestWithParam<Param> {
protected:
    void TearDown() override { fs::remove_all(testFolderPath()); }
};

class HostileFileTest : public InOwnFolder<std::size_t> {};

TEST_P(HostileFileTest, IsRefusedOnceAndChangesNothing)
{
    const HostileFile& file = hostileFiles()[GetParam()];
    const Bytes bad = file.make();
    startEmbeddedGame();
    const std::vector<std::uint8_t> before = snapshotGameState();
    headless::clearEvents();

    feed(file.kind, bad);

    // Whatever the open dialog lets through is read, and refused with one message.
    const bool reachesTheGame = file.kind != FileKind::missingPlayFile;
    EXPECT_EQ(messagesShown(), reachesTheGame ? std::vector<std::string>{readFailure}
                                              : std::vector<std::string>{});
    EXPECT_EQ(getBuildInProgress(), 0);
    EXPECT_TRUE(snapshotGameState() == before) << "the game changed";
    EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFileTest,
                         ::testing::Range<std::size_t>(0, hostileFiles().size()),
                         [](const auto& test) { return hostileFiles()[test.param].name; });

struct ValidExtreme {
    const char* name;
    int columns;
    int rows;
    int core;
    int margin;
};

class ValidExtremeTest : public InOwnFolder<ValidExtreme> {};

// Picks up the topmost piece, carries it, turns it and puts it down.
void playTopPiece()
{
    const int top = getPieceCount() - 1;
    const PieceRect box = pieceRect(zOrderColumn(top), zOrderRow(top));
    const int x = (box.left + box.right) / 2;
    const int y = (box.top + box.bottom) / 2;
    for (const auto& [message, at] : std::vector<std::pair<unsigned, int>>{
             {WM_LBUTTONDOWN, 0}, {WM_MOUSEMOVE, 40}, {WM_RBUTTONDOWN, 40}, {WM_LBUTTONDOWN, 40}})
        sendMessage(getMainWindow(), message, 0, makePointParam(x + at, y + at));
    headless::pumpMessages();
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
}

// Builds, paints, lets a piece be picked up, carried and put down, and its play file opens
// over another game and plays too.
TEST_P(ValidExtremeTest, BuildsAndPlays)
{
    const ValidExtreme& extreme = GetParam();
    startEmbeddedGame();
    const Bytes made = makeMadePuzzle(VELMORA_PICTURE_DIR "/169-ancient-city.jpg",
                                      extreme.columns, extreme.rows, extreme.core, extreme.margin);
    ASSERT_FALSE(made.empty());
    headless::clearEvents();
    feed(FileKind::puzzleResource, made);
    headless::pumpMessages();

    for (const std::string& event : headless::events())
        EXPECT_NE(event, readFailure);
    ASSERT_EQ(getColumns(), extreme.columns);
    ASSERT_EQ(getRows(), extreme.rows);
    EXPECT_EQ(getPieceSize(), extreme.core + 2 * extreme.margin);
    EXPECT_EQ(describeFaults(freshBuildFaults()), "");
    playTopPiece();

    const Bytes saved = playFileBytes();
    startEmbeddedGame();
    headless::clearEvents();
    feed(FileKind::playFile, saved);
    EXPECT_EQ(messagesShown(), std::vector<std::string>{});
    ASSERT_EQ(getColumns(), extreme.columns);
    ASSERT_EQ(getRows(), extreme.rows);
    EXPECT_EQ(getPieceSize(), extreme.core + 2 * extreme.margin);
    EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
    playTopPiece();
}

INSTANTIATE_TEST_SUITE_P(Puzzles, ValidExtremeTest,
                         ::testing::Values(ValidExtreme{"FortyOneColumnsOf24Rows", 41, 24, 4, 8},
                                           ValidExtreme{"ThirtyEightColumnsOf26Rows", 38, 26, 4, 8},
                                           ValidExtreme{"OnePiece", 1, 1, 4, 8},
                                           ValidExtreme{"PieceSize200", 3, 2, 40, 80}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
