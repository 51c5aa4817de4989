// Puzzles made from the player's pictures: the piece counts offered, the dialog, the made
// puzzle in play, saved, opened and finished, and pictures the game refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/commands.h"
#include "completion/flow.h"
#include "maker/limits.h"
#include "puzzle/board_extent.h"
#include "puzzle/construction.h"
#include "maker/size_choices.h"
#include "maker/title_text.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "savegame/writer.h"
#include "support/program_fixture.h"
#include "support/state_snapshot.h"
#include "ui/picture_puzzle_dialog.h"
#include "ui/shortened_name.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string brushes = std::string(VELMORA_PICTURE_DIR) + "/166-paint-brushes.jpg";
constexpr int fileNameId = 1201;
constexpr int browseId = 1202;
constexpr int titleId = 1205;
constexpr int lettersNotKeptId = 1206;
constexpr int sizesId = 1204;
constexpr int okId = 1;
constexpr int cancelId = 2;

TEST(SizeChoices, FollowThePictureAndStayWithinTheLimits)
{
    struct Picture {
        int width, height;
    };
    for (const Picture picture : {Picture{3000, 4000}, Picture{4000, 3000}, Picture{2000, 2000},
                                  Picture{6000, 1000}}) {
        const std::vector<SizeChoice> choices = sizeChoices(picture.width, picture.height);
        ASSERT_GE(choices.size(), 7u) << picture.width << "x" << picture.height;
        EXPECT_GE(choices.front().pieces(), 12);
        int before = 0;
        for (const SizeChoice& choice : choices) {
            EXPECT_GT(choice.pieces(), before);
            before = choice.pieces();
            EXPECT_LE(choice.pieces(), 1000);
            // Square pieces over the picture: the grid keeps its proportions, except where the
            // row or column limit stops a panorama.
            const double aspect = static_cast<double>(picture.width) / picture.height;
            const double grid = static_cast<double>(choice.columns) / choice.rows;
            if (choice.columns < 41 && choice.rows > 1) {
                EXPECT_LT(std::abs(std::log(grid / aspect)), 0.45)
                    << choice.columns << "x" << choice.rows;
            }
            const PuzzleGeometry geometry =
                geometryForChoice(choice, picture.width, picture.height);
            EXPECT_EQ(geometryProblem(geometry), "") << choice.columns << "x" << choice.rows;
            // Cells a hand handles well (these pictures have the pixels for them); puzzles
            // whose cells are that large anyway fit the window as before.
            EXPECT_GE(geometry.cellStep(), 48) << choice.columns << "x" << choice.rows;
            if (geometry.cellStep() > 48) {
                EXPECT_LE(geometry.pictureWidth(), 1000);
                EXPECT_LE(geometry.pictureHeight(), 640);
            }
            EXPECT_EQ(geometry.margin, 2 * ((geometry.cellStep() + 1) / 3));
        }
        // Up to the limits: 26 rows stop the others first.
        if (picture.width == 4000) {
            EXPECT_GE(choices.back().pieces(), 900);
        }
    }
    // Four by three for a landscape photograph's 12 pieces, three by four upright.
    EXPECT_EQ(sizeChoices(4000, 3000).front().columns, 4);
    EXPECT_EQ(sizeChoices(3000, 4000).front().columns, 3);
    EXPECT_FALSE(pictureLargeEnough(10, 10, {4, 3}));
    EXPECT_TRUE(pictureLargeEnough(64, 48, {4, 3}));
    EXPECT_FALSE(pictureLargeEnough(640, 40, {4, 3}));
}

TEST(SizeChoices, OnlyCountsThePictureCanMake)
{
    struct Case {
        int width, height;
        std::size_t offered;
    };
    for (const Case c : {Case{1, 1, 0}, Case{63, 48, 0}, Case{64, 48, 1}, Case{5000, 10, 0},
                         Case{200, 150, 6}}) {
        const std::vector<SizeChoice> choices = sizeChoices(c.width, c.height);
        EXPECT_EQ(choices.size(), c.offered) << c.width << "x" << c.height;
        for (const SizeChoice& choice : choices) {
            EXPECT_TRUE(pictureLargeEnough(c.width, c.height, choice))
                << c.width << "x" << c.height << ": " << choice.columns << "x" << choice.rows;
        }
    }
}

// Cells are at least 48 pixels only where the picture has that many pixels across a piece;
// otherwise as many as it has, and at least what fits the window.
TEST(SizeChoices, CellsGrowNoLargerThanThePicturesOwnPixels)
{
    struct Case {
        SizeChoice choice;
        int width, height;
        int step;
    };
    for (const Case c : {Case{{20, 15}, 800, 600, 41}, Case{{35, 26}, 800, 600, 22},
                         Case{{20, 15}, 4000, 3000, 48}}) {
        EXPECT_EQ(geometryForChoice(c.choice, c.width, c.height).cellStep(), c.step)
            << c.choice.columns << "x" << c.choice.rows << " of " << c.width << "x" << c.height;
    }
}

TEST(KeptTitle, LettersOutsideTheCodePageBecomeTheirPlainForms)
{
    struct Case {
        const char* title;
        const char* kept;
        std::size_t replaced;
    };
    for (const Case c : {
             Case{"夜の橋 × ÷ §", "夜の橋 × ÷ §", 0},
             Case{"Café", "Cafe", 1},
             Case{"Ünïcödé", "Unicode", 4},
             Case{"Straße Œuvre Ærø ĳs", "Strasse OEuvre AEro ijs", 5},
             Case{"Łódź–Kraków", "Lodz-Krakow", 4},
             Case{"e\u0301té", "ete", 2},  // an accent typed after its letter
             Case{"한국", "??", 2},
             Case{"🧩 🧩", "? ?", 1},
             Case{"\xff!", "?!", 1},
         }) {
        const KeptTitle kept = keptTitle(c.title);
        EXPECT_EQ(kept.text, c.kept) << c.title;
        EXPECT_EQ(kept.replaced.size(), c.replaced) << c.title;
        EXPECT_EQ(cp932ToUtf8(utf8ToCp932(kept.text)), kept.text) << c.title;
    }
    EXPECT_EQ(keptTitle("Café").replaced.at(0), (std::pair<std::string, std::string>{"é", "e"}));
}

TEST(ShortenedName, CutInTheMiddleToTheCells)
{
    struct Case {
        const char* name;
        int cells;
        const char* shortened;
    };
    for (const Case c : {
             Case{"short.jpg", 9, "short.jpg"},
             Case{"abcdefghij.jpg", 10, "abcd….jpg"},
             Case{"夜の橋の長い名前.jpg", 12, "夜の橋….jpg"},
             Case{"ｶﾀｶﾅｶﾀｶﾅ.jpg", 10, "ｶﾀｶﾅ….jpg"},
         }) {
        const std::string shortened = shortenedInMiddle(c.name, c.cells);
        EXPECT_EQ(shortened, c.shortened) << c.name;
        EXPECT_LE(textCells(shortened), c.cells) << c.name;
    }
}

TEST(ScatterArea, TwelvePiecesKeepTheClassicHeap)
{
    setColumns(4);
    setRows(3);
    const ScatterArea area = scatterArea();
    EXPECT_EQ(area.right, 260);
    EXPECT_EQ(area.bottom, 190);
    EXPECT_EQ(area.width, 500);
    EXPECT_EQ(area.height, 300);
    resetGameState();
}

// The board and the heap of made puzzles, their geometries set in play as building them
// would set them.
class MadeBoard : public ProgramTest {
protected:
    static void setGeometry(const PuzzleGeometry& geometry)
    {
        setColumns(geometry.columns);
        setRows(geometry.rows);
        setPieceCore(geometry.core);
        setPieceMargin(geometry.margin);
        setPieceSize(geometry.pieceSize());
    }
};

// About four times the picture's area in the proportions 5 : 3, but room for the picture and
// two pieces' boxes on each side, and never less than the least board.
TEST_F(MadeBoard, TheBoardGrowsWithThePicture)
{
    startProgram();
    struct Case {
        SizeChoice choice;
        int width, height;      // the picture's
        int boardWidth, boardHeight;
    };
    // 1952 x 1232 pixels in 80-pixel boxes; 2000 x 176 in 80; 560 x 440 in 200.
    for (const Case c : {Case{{40, 25}, 4000, 2500, 4004, 2402},
                         Case{{41, 3}, 8200, 600, 2320, 1200},
                         Case{{4, 3}, 400, 300, 2000, 1240}}) {
        setGeometry(geometryForChoice(c.choice, c.width, c.height));
        const BoardExtent board = boardExtent();
        EXPECT_EQ(board.width, c.boardWidth) << c.choice.columns << "x" << c.choice.rows;
        EXPECT_EQ(board.height, c.boardHeight) << c.choice.columns << "x" << c.choice.rows;
    }
}

// The pieces' boxes spread evenly around the middle of the window while the assembled picture
// fits there, and of the board otherwise.
TEST_F(MadeBoard, TheHeapLiesCentred)
{
    startProgram();
    const Rect client = getClientRect(getMainWindow());
    for (const SizeChoice choice : {SizeChoice{8, 6}, SizeChoice{40, 25}}) {
        setGeometry(geometryForChoice(choice, 4000, 3000));
        const bool fitsWindow = getPictureWidth() <= client.right;
        const ScatterArea area = scatterArea();
        // Bottom-right corners from `right` to `right + width - 1`: boxes from right - size.
        const double middleX = area.right + (area.width - 1 - getPieceSize()) / 2.0;
        const double middleY = area.bottom + (area.height - 1 - getPieceSize()) / 2.0;
        EXPECT_NEAR(middleX, (fitsWindow ? client.right : boardExtent().width) / 2.0, 1.0)
            << choice.columns << "x" << choice.rows;
        EXPECT_NEAR(middleY, (fitsWindow ? client.bottom : boardExtent().height) / 2.0, 1.0)
            << choice.columns << "x" << choice.rows;
    }
}

class PicturePuzzle : public ProgramTest {
protected:
    // Ctrl+N with the picture chosen through the file chooser, `pieces` in the list, then OK
    // (and Cancel should the dialog stay).
    void makeFrom(const std::string& path, int pieces)
    {
        headless::scriptFileChoice(path);
        headless::scriptDialog(picturePuzzleDialogId, {browseId});
        headless::scriptDialog(picturePuzzleDialogId, {chooseEntryFor(pieces), okId, cancelId});
        command(picturePuzzleCommandId);
        headless::pumpMessages();
    }
    // The scripted choice of the list entry with `pieces` pieces, for a picture of the
    // brushes' size.
    static int chooseEntryFor(int pieces)
    {
        const std::vector<SizeChoice> choices = sizeChoices(880, 1120);
        for (std::size_t i = 0; i < choices.size(); ++i)
            if (choices[i].pieces() == pieces)
                return headless::chooseEntry(sizesId, static_cast<int>(i));
        return headless::chooseEntry(sizesId, 0);
    }
    std::vector<std::string> messages()
    {
        std::vector<std::string> found;
        for (const std::string& event : headless::events())
            if (event.rfind("messagebox", 0) == 0)
                found.push_back(event);
        return found;
    }
    fs::path writeFile(const std::string& name, const Bytes& bytes)
    {
        const fs::path path = folder / pathFromUtf8(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static Bytes fileBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(PicturePuzzle, AMadePuzzleIsBuiltSavedOpenedAndFinishedOutsideTheSeries)
{
    startProgram();
    setPuzzleNumber(4);
    makeFrom(brushes, 48);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(getColumns() * getRows(), 48);
    EXPECT_EQ(getMadePuzzle(), 1);
    EXPECT_EQ(getPuzzleNumber(), 4);
    EXPECT_EQ(headless::comboBoxEntries(picturePuzzleDialogId, sizesId).front(),
              "12 ピース（3 × 4）440 × 560");
    // Built as the embedded puzzles are: the progress dialog stepped once for every piece.
    int steps = 0;
    for (const std::string& event : headless::events())
        steps += event == "progress 127 step";
    EXPECT_EQ(steps, 48);
    EXPECT_NE(std::string(messageLine2(), messageLineBytes).find("166-paint-brushes"),
              std::string::npos);
    // More pieces than an embedded puzzle: scattered over the window, not in 500 x 300.
    int left = 10000, right = 0, top = 10000, bottom = 0;
    for (int c = 0; c < getColumns(); ++c)
        for (int r = 0; r < getRows(); ++r) {
            left = std::min(left, pieceRect(c, r).left);
            right = std::max(right, pieceRect(c, r).right);
            top = std::min(top, pieceRect(c, r).top);
            bottom = std::max(bottom, pieceRect(c, r).bottom);
        }
    const Rect client = getClientRect(getMainWindow());
    EXPECT_GT(right - left, 500 + getPieceSize() + 100);
    EXPECT_GT(bottom - top, 300 + getPieceSize() + 50);
    EXPECT_GE(left, 0);
    EXPECT_GE(top, 0);
    EXPECT_LE(right, client.right);
    EXPECT_LE(bottom, client.bottom);

    // F2 scatters the same puzzle afresh.
    const Bytes picture(getPictureDib(),
                        getPictureDib() + 40 + 3 * getPictureWidth() * getPictureHeight());
    headless::setTimeOfDay(1800000000);
    command(restartCommandId);
    EXPECT_EQ(getColumns() * getRows(), 48);
    EXPECT_EQ(getMadePuzzle(), 1);
    EXPECT_EQ(Bytes(getPictureDib(), getPictureDib() + picture.size()), picture);

    // Saved and opened again as any game; an opened game is no longer the made puzzle.
    const Bytes saved = playFileBytes();
    const fs::path path = writeFile("made.jps", saved);
    headless::scriptFileChoice(path.string());
    command(openCommandId);
    EXPECT_EQ(playFileBytes(), saved);
    EXPECT_EQ(getMadePuzzle(), 0);

    // Finishing it leaves the series where it was: the embedded puzzle current before.
    setMadePuzzle(1);
    headless::scriptDialog(132, {1009, okId});
    runCompletionFlow(buildPuzzle, SeriesStep::same);
    EXPECT_EQ(getPuzzleNumber(), 4);
    EXPECT_EQ(getMadePuzzle(), 0);
    EXPECT_EQ(getColumns() * getRows(), 12);
}

TEST_F(PicturePuzzle, BadPicturesLeaveTheGameAsItWas)
{
    startProgram();
    const Bytes jpeg = fileBytes(brushes);
    // A 10 x 10 24-bit bitmap file.
    Bytes tiny(54 + 10 * 32, 0);
    const std::uint8_t header[] = {'B', 'M', 0x62, 1, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                   10, 0, 0, 0, 10, 0, 0, 0, 1, 0, 24};
    std::copy(std::begin(header), std::end(header), tiny.begin());
    const std::vector<fs::path> pictures = {
        writeFile("notes.jpg", Bytes{'h', 'e', 'l', 'l', 'o'}),
        writeFile("tiny.bmp", tiny),
        writeFile("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 3)),
        folder / "missing.jpg",
    };
    const Bytes before = snapshotGameState();
    for (const fs::path& picture : pictures) {
        headless::clearEvents();
        makeFrom(picture.string(), 12);
        EXPECT_EQ(snapshotGameState(), before) << picture;
        EXPECT_EQ(getMadePuzzle(), 0);
        if (picture.filename() != "missing.jpg") {
            EXPECT_EQ(messages().size(), 2u) << picture;
        }
    }
}

TEST_F(PicturePuzzle, JapaneseAndLongNamesReachTheDialogAndTheMessageWhole)
{
    startProgram();
    const Bytes jpeg = fileBytes(brushes);
    headless::scriptFileChoice(utf8FromPath(writeFile("夜の橋.jpg", jpeg)));
    headless::scriptDialog(picturePuzzleDialogId, {browseId, chooseEntryFor(12), okId});
    command(picturePuzzleCommandId);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(headless::dialogItemText(picturePuzzleDialogId, fileNameId), "夜の橋.jpg");
    EXPECT_EQ(headless::dialogItemText(picturePuzzleDialogId, titleId), "夜の橋");
    EXPECT_NE(cp932ToUtf8(std::string(messageLine2(), messageLineBytes)).find("夜の橋"),
              std::string::npos);

    // A name wider than its label keeps its start and its end.
    const std::string longName = "とても長い名前の写真ファイル_2026年12月8日_夜の橋と川の流れ.jpg";
    makeFrom(utf8FromPath(writeFile(longName, jpeg)), 12);
    const std::string shown = headless::dialogItemText(picturePuzzleDialogId, fileNameId);
    EXPECT_LT(textCells(shown), 222 / 4);
    EXPECT_EQ(shown.rfind("とても", 0), 0u) << shown;
    EXPECT_NE(shown.find("…"), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 10), "流れ.jpg") << shown;
}

TEST_F(PicturePuzzle, TitleLettersThePuzzleCannotKeepAreShownUnderItAndReplaced)
{
    startProgram();
    headless::scriptFileChoice(utf8FromPath(writeFile("Café 한.jpg", fileBytes(brushes))));
    headless::scriptFileChoice(utf8FromPath(writeFile("柑橘.jpg", fileBytes(brushes))));
    headless::scriptDialog(picturePuzzleDialogId, {browseId});
    headless::scriptDialog(picturePuzzleDialogId, {chooseEntryFor(12), okId});
    command(picturePuzzleCommandId);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(headless::dialogItemText(picturePuzzleDialogId, lettersNotKeptId),
              "残せない文字: é→e 한→?");
    EXPECT_NE(std::string(messageLine2(), messageLineBytes).find("Cafe ?"), std::string::npos);

    // A title the puzzle keeps whole leaves the line empty.
    headless::scriptDialog(picturePuzzleDialogId, {browseId, chooseEntryFor(12), okId});
    command(picturePuzzleCommandId);
    EXPECT_EQ(headless::dialogItemText(picturePuzzleDialogId, lettersNotKeptId), "");
}

TEST_F(PicturePuzzle, APictureTooSmallForAnyCountIsToldAtOnce)
{
    startProgram();
    // A 1 x 1 24-bit bitmap file.
    Bytes dot(54 + 4, 0);
    const std::uint8_t header[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                   1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24};
    std::copy(std::begin(header), std::end(header), dot.begin());
    headless::scriptFileChoice(writeFile("dot.bmp", dot).string());
    headless::scriptDialog(picturePuzzleDialogId, {browseId, cancelId});
    command(picturePuzzleCommandId);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("小さすぎて"), std::string::npos) << messages()[0];
    EXPECT_TRUE(headless::comboBoxEntries(picturePuzzleDialogId, sizesId).empty());
}

}  // namespace
