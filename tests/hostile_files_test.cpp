// Files from outside that the game must refuse whole: each bad kind of file is refused with
// the read-failure message, once, and leaves the game exactly as it was. On the other side,
// the extreme puzzles that are valid build and play.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "support/game_invariants.h"
#include "support/made_puzzle.h"
#include "support/puzzle_fixture.h"
#include "support/state_snapshot.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string readFailure = "messagebox ファイルの読み込みに失敗しました";

// Where a bad file enters the game.
enum class FileKind { puzzleResource };

struct HostileFile {
    const char* name;
    FileKind kind;
    std::function<Bytes()> make;
};

// Hands the file to the game the way a player would meet it.
void feed(FileKind kind, const Bytes& bytes)
{
    switch (kind) {
    case FileKind::puzzleResource:
        headless::overrideResource("JZT", 164, bytes);
        setPuzzleNumber(2);
        buildPuzzle();
        break;
    }
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
    };
    return files;
}

class HostileFileTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(HostileFileTest, IsRefusedOnceAndChangesNothing)
{
    const HostileFile& file = hostileFiles()[GetParam()];
    startEmbeddedGame();
    const Bytes bad = file.make();
    const std::vector<std::uint8_t> before = snapshotGameState();
    headless::clearEvents();

    feed(file.kind, bad);

    EXPECT_EQ(headless::events(), std::vector<std::string>{readFailure});
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

class ValidExtremeTest : public ::testing::TestWithParam<ValidExtreme> {};

// Builds, paints, and lets a piece be picked up, carried and put down.
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

INSTANTIATE_TEST_SUITE_P(Puzzles, ValidExtremeTest,
                         ::testing::Values(ValidExtreme{"FortyOneColumnsOf24Rows", 41, 24, 4, 8},
                                           ValidExtreme{"ThirtyEightColumnsOf26Rows", 38, 26, 4, 8},
                                           ValidExtreme{"OnePiece", 1, 1, 4, 8},
                                           ValidExtreme{"PieceSize200", 3, 2, 40, 80}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
