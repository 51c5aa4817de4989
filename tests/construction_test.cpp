// Building puzzles: cutting into rotated sheets and mask, outlines, scatter and failures.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/cutting.h"
#include "puzzle/state.h"
#include "support/puzzle_fixture.h"

namespace {

struct SheetPixel {
    int blue;
    int green;
    int red;
    bool operator==(const SheetPixel&) const = default;
};

SheetPixel sheetPixel(int rotation, int x, int y)
{
    const std::uint8_t* p = pieceSheetBits(rotation) + rgbOffset(x, y);
    return {p[0], p[1], p[2]};
}

SheetPixel grey(int level) { return {level, level, level}; }

SheetPixel fromColour(Colour colour)
{
    return {static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>(colour & 0xFF)};
}

bool maskBitSet(int x, int y)
{
    return (getPieceMaskBits()[maskByteOffset(x, y)] & maskBit(x)) != 0;
}

class Construction : public ::testing::Test {
protected:
    void SetUp() override { startHeadlessGame(); }

    void buildSynthetic(const SyntheticPuzzle& puzzle, int number = 2)
    {
        headless::overrideResource("JZT", 162 + number, makePuzzleResource(puzzle));
        setPuzzleNumber(number);
        buildPuzzle();
        ASSERT_EQ(getColumns(), puzzle.columns);
    }
};

TEST_F(Construction, PiecePixelsLandAtTheirRotatedPositions)
{
    buildSynthetic({});
    // Box pixel (50, 60) of piece (0, 0) lies inside its square region.
    const SheetPixel expected = fromColour(gradientPicture(50, 60));
    EXPECT_EQ(sheetPixel(1, 50, 60), expected);
    EXPECT_EQ(sheetPixel(2, 140, 50), expected);
    EXPECT_EQ(sheetPixel(3, 150, 140), expected);
    EXPECT_EQ(sheetPixel(4, 60, 150), expected);
    EXPECT_FALSE(maskBitSet(50, 60));
    EXPECT_FALSE(maskBitSet(600 + 140, 50));
    EXPECT_FALSE(maskBitSet(1200 + 150, 140));
    EXPECT_FALSE(maskBitSet(1800 + 60, 150));

    // Box pixel (10, 20) is outside the piece: white sheets, set mask bits at
    // (10, 20), (780, 10), (1390, 180) and (1820, 190).
    EXPECT_EQ(sheetPixel(1, 10, 20), grey(255));
    EXPECT_EQ(sheetPixel(2, 180, 10), grey(255));
    EXPECT_EQ(sheetPixel(3, 190, 180), grey(255));
    EXPECT_EQ(sheetPixel(4, 20, 190), grey(255));
    EXPECT_TRUE(maskBitSet(10, 20));
    EXPECT_TRUE(maskBitSet(780, 10));
    EXPECT_TRUE(maskBitSet(1390, 180));
    EXPECT_TRUE(maskBitSet(1820, 190));

    // Piece (2, 3) sits in the last tile of each sheet.
    const SheetPixel last = fromColour(gradientPicture(240 + 100, 360 + 100));
    EXPECT_EQ(sheetPixel(1, 400 + 100, 600 + 100), last);
    EXPECT_EQ(sheetPixel(3, 400 + 100, 600 + 100), last);
}

TEST_F(Construction, OutlinesAreLightAboveAndLeftDarkBelowAndRight)
{
    buildSynthetic({});
    // The region of piece (0, 0) covers box pixels 40..159 on both axes.
    // Left end of a row: light in sheets 1 and 2, dark in 3 and 4 (not repainted, since the
    // column's vertical run starts at row 40 and ends at row 159).
    EXPECT_EQ(sheetPixel(1, 40, 60), grey(outlineLight));
    EXPECT_EQ(sheetPixel(2, 140, 40), grey(outlineLight));
    EXPECT_EQ(sheetPixel(3, 160, 140), grey(outlineDark));
    EXPECT_EQ(sheetPixel(4, 60, 160), grey(outlineDark));
    // Right end of a row: dark, dark, light, light.
    EXPECT_EQ(sheetPixel(1, 159, 60), grey(outlineDark));
    EXPECT_EQ(sheetPixel(3, 41, 140), grey(outlineLight));
    // Top-left corner: the vertical pass wins (light, dark, dark, light).
    EXPECT_EQ(sheetPixel(1, 40, 40), grey(outlineLight));
    EXPECT_EQ(sheetPixel(2, 160, 40), grey(outlineDark));
    EXPECT_EQ(sheetPixel(3, 160, 160), grey(outlineDark));
    EXPECT_EQ(sheetPixel(4, 40, 160), grey(outlineLight));
    // Bottom of a column: dark, light, light, dark.
    EXPECT_EQ(sheetPixel(1, 60, 159), grey(outlineDark));
    EXPECT_EQ(sheetPixel(2, 41, 60), grey(outlineLight));
    // Outlines never touch the mask: the corner is a piece pixel.
    EXPECT_FALSE(maskBitSet(40, 40));
}

TEST_F(Construction, PiecesAreScatteredTurnedAndSeparate)
{
    buildSynthetic({});
    std::set<int> levels;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const int k = r * 3 + c;
            const PieceRect& rect = pieceRect(c, r);
            EXPECT_GE(rect.left, 60);
            EXPECT_LE(rect.left, 559);
            EXPECT_GE(rect.top, -10);
            EXPECT_LE(rect.top, 289);
            EXPECT_EQ(rect.right - rect.left, 200);
            EXPECT_EQ(rect.bottom - rect.top, 200);
            EXPECT_GE(getPieceRotation(k), 1);
            EXPECT_LE(getPieceRotation(k), 4);
            EXPECT_EQ(zLevel(c, r), k);
            EXPECT_EQ(zOrderColumn(k), c);
            EXPECT_EQ(zOrderRow(k), r);
            EXPECT_EQ(cellFlag(c, r), 1);
            levels.insert(getSlotPiece(k));
            int members = 0;
            for (int gc = 0; gc < 3; ++gc)
                for (int gr = 0; gr < 4; ++gr)
                    members += groupCells(k)[gc][gr];
            EXPECT_EQ(members, 1);
            EXPECT_EQ(groupCells(k)[c][r], 1);
        }
    EXPECT_EQ(levels.size(), 12u);  // slotPiece is a permutation
    EXPECT_EQ(getPieceRotation(12), 0);
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(getBuildInProgress(), 0);
    EXPECT_EQ(getSheetFormat(), 2);
    EXPECT_TRUE(headless::paintPending(getMainWindow()));
}

TEST_F(Construction, TheSameSecondGivesTheSameLayout)
{
    headless::setTimeOfDay(1234567);
    buildSynthetic({});
    int rotations[12];
    PieceRect rects[12];
    for (int k = 0; k < 12; ++k) {
        rotations[k] = getPieceRotation(k);
        rects[k] = pieceRect(k % 3, k / 3);
    }
    buildPuzzle();
    bool sameLayout = true;
    for (int k = 0; k < 12; ++k) {
        sameLayout = sameLayout && rotations[k] == getPieceRotation(k) &&
                     rects[k].left == pieceRect(k % 3, k / 3).left &&
                     rects[k].top == pieceRect(k % 3, k / 3).top;
    }
    EXPECT_TRUE(sameLayout);
    headless::setTimeOfDay(7654321);
    buildPuzzle();
    bool differs = false;
    for (int k = 0; k < 12; ++k)
        differs = differs || rects[k].left != pieceRect(k % 3, k / 3).left;
    EXPECT_TRUE(differs);
}

TEST_F(Construction, ProgressBarStepsOncePerPiece)
{
    buildSynthetic({});
    int steps = 0;
    for (const std::string& event : headless::events())
        steps += event == "progress 127 step";
    EXPECT_EQ(steps, 12);
    EXPECT_EQ(headless::progressPosition(127), 12);
    const auto& events = headless::events();
    EXPECT_EQ(events.front(), "modeless 127");
    EXPECT_EQ(events.back(), "destroy 127");
}

TEST_F(Construction, PuzzleNumbersSelectResources)
{
    setPuzzleNumber(8);
    buildPuzzle();
    EXPECT_EQ(getColumns(), 4);  // resource 170 is landscape
    EXPECT_EQ(getRows(), 3);

    headless::clearEvents();
    setPuzzleNumber(9);
    buildPuzzle();
    ASSERT_FALSE(headless::events().empty());
    EXPECT_EQ(headless::events().back(), "messagebox ファイルの読み込みに失敗しました");
    EXPECT_EQ(getColumns(), 4);
    EXPECT_EQ(getBuildInProgress(), 0);
}

TEST_F(Construction, ABadResourceLeavesThePuzzleInPlay)
{
    buildSynthetic({});
    std::uint8_t* picture = getPictureDib();
    std::uint8_t* sheet = getPieceSheet1();
    const PieceRect rect = pieceRect(1, 1);
    const int rotation = getPieceRotation(4);
    headless::clearEvents();

    std::vector<std::uint8_t> truncated = makePuzzleResource({});
    truncated.resize(truncated.size() - 100);
    headless::overrideResource("JZT", 165, truncated);
    setPuzzleNumber(3);
    buildPuzzle();

    std::vector<std::uint8_t> tooWide = makePuzzleResource({});
    tooWide[0] = 60;
    headless::overrideResource("JZT", 166, tooWide);
    setPuzzleNumber(4);
    buildPuzzle();

    ASSERT_EQ(headless::events().size(), 2u);
    EXPECT_EQ(headless::events()[0], "messagebox ファイルの読み込みに失敗しました");
    EXPECT_EQ(getPictureDib(), picture);
    EXPECT_EQ(getPieceSheet1(), sheet);
    EXPECT_EQ(pieceRect(1, 1).left, rect.left);
    EXPECT_EQ(getPieceRotation(4), rotation);
    EXPECT_EQ(getColumns(), 3);
}

TEST_F(Construction, OddGeometriesCutWithinTheirSheets)
{
    // 5 x 2 pieces of 20 pixels: 100-pixel sheet rows, so the mask rows need 4 bytes of padding.
    SyntheticPuzzle puzzle;
    puzzle.columns = 5;
    puzzle.rows = 2;
    puzzle.core = 4;
    puzzle.margin = 8;
    puzzle.layoutClass = 0;
    buildSynthetic(puzzle);
    EXPECT_EQ(getMaskRowPad(), 4);
    // Box pixel (5, 6) of piece (4, 1) lies inside its region (box pixels 4..15).
    const SheetPixel expected = fromColour(gradientPicture(48 + 5, 12 + 6));
    EXPECT_EQ(sheetPixel(1, 80 + 5, 20 + 6), expected);
    EXPECT_EQ(sheetPixel(4, 80 + 6, 20 + 20 - 5), expected);
    EXPECT_FALSE(maskBitSet(80 + 5, 20 + 6));
    EXPECT_FALSE(maskBitSet(300 + 80 + 6, 20 + 20 - 5));
    EXPECT_TRUE(maskBitSet(300 + 80 + 1, 20 + 20 - 1));
}

}  // namespace
