// Splitting and checking embedded puzzle resources.
#include <gtest/gtest.h>

#include "puzzle/puzzle_resource.h"
#include "support/puzzle_fixture.h"

namespace {

TEST(PuzzleResource, PartsLieWhereTheGeometrySays)
{
    const std::vector<std::uint8_t> bytes = makePuzzleResource({});
    const auto puzzle = readPuzzleResource(bytes, 0);
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->columns, 3);
    EXPECT_EQ(puzzle->rows, 4);
    // The picture runs from 6400 to 745,653, the label file from 745,654.
    EXPECT_EQ(puzzle->pictureFileHeader.data() - bytes.data(), 6400);
    EXPECT_EQ(puzzle->pictureImage.data() + puzzle->pictureImage.size() - bytes.data(), 745654);
    EXPECT_EQ(puzzle->labelImage.data() - bytes.data(), 745654 + 14);
    EXPECT_EQ(labelRowBytes(440), 220u);
}

TEST(PuzzleResource, OnlyTheFirstByteOfASlotCounts)
{
    std::vector<std::uint8_t> bytes = makePuzzleResource({});
    bytes[1] = 1;  // slot bytes 3, 1, 0, 0
    const auto puzzle = readPuzzleResource(bytes, 0);
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->columns, 3);
}

TEST(PuzzleResource, LayoutClassesChooseTheMaskPadding)
{
    EXPECT_EQ(maskRowPadForLayoutClass(14), 4);
    EXPECT_EQ(maskRowPadForLayoutClass(0), 4);
    EXPECT_EQ(maskRowPadForLayoutClass(6), 0);
    EXPECT_EQ(maskRowPadForLayoutClass(15), 0);
    EXPECT_EQ(maskRowPadForLayoutClass(16), -1);

    // Class 16 keeps the padding in force, which must still suit the geometry.
    SyntheticPuzzle puzzle;
    puzzle.layoutClass = 16;
    EXPECT_TRUE(readPuzzleResource(makePuzzleResource(puzzle), 0));
    EXPECT_FALSE(readPuzzleResource(makePuzzleResource(puzzle), 4));
    // A class whose padding does not suit the sheet width (600 is a multiple of 8).
    puzzle.layoutClass = 14;
    EXPECT_FALSE(readPuzzleResource(makePuzzleResource(puzzle), 0));
}

TEST(PuzzleResource, RefusesWhatTheGameCannotHold)
{
    const std::vector<std::uint8_t> good = makePuzzleResource({});
    EXPECT_FALSE(readPuzzleResource({}, 0));
    EXPECT_FALSE(readPuzzleResource(std::span(good).first(6399), 0));
    EXPECT_FALSE(readPuzzleResource(std::span(good).first(good.size() - 1), 0));

    auto refused = [](auto change) {
        std::vector<std::uint8_t> bytes = makePuzzleResource({});
        change(bytes);
        return !readPuzzleResource(bytes, 0);
    };
    EXPECT_TRUE(refused([](auto& b) { b[0] = 42; }));   // 42 columns
    EXPECT_TRUE(refused([](auto& b) { b[4] = 27; }));   // 27 rows
    EXPECT_TRUE(refused([](auto& b) { b[0] = 0; }));    // no columns
    EXPECT_TRUE(refused([](auto& b) { b[12] = 81; }));  // a 202-pixel piece
    EXPECT_TRUE(refused([](auto& b) { b[16] = 3; }));   // unknown picture format
    EXPECT_TRUE(refused([](auto& b) { b[354] = 0; }));  // no picture included
    EXPECT_TRUE(refused([](auto& b) { b[6400 + 14 + 14] = 8; }));  // picture not 24-bit

    // 40 x 25 pieces are the most a puzzle may have; 41 x 25 are too many.
    SyntheticPuzzle crowded;
    crowded.columns = 40;
    crowded.rows = 25;
    crowded.core = 4;
    crowded.margin = 4;
    EXPECT_TRUE(readPuzzleResource(makePuzzleResource(crowded), 0));
    crowded.columns = 41;
    EXPECT_FALSE(readPuzzleResource(makePuzzleResource(crowded), 0));

    // Pieces without a core, as a play file could never hold them.
    SyntheticPuzzle coreless;
    coreless.core = 0;
    EXPECT_FALSE(readPuzzleResource(makePuzzleResource(coreless), 0));
}

}  // namespace
