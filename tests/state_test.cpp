// The game state's derived geometry, computed getters and attached message.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "puzzle/state.h"

namespace {

void setEmbeddedGeometry()
{
    resetGameState();
    setColumns(3);
    setRows(4);
    setPieceCore(40);
    setPieceMargin(80);
    setPieceSize(calcPieceSize());
}

TEST(GameState, GeometryOfAThreeByFourPuzzle)
{
    setEmbeddedGeometry();
    EXPECT_EQ(getPieceSize(), 200);
    EXPECT_EQ(getCellStep(), 120);
    EXPECT_EQ(getPictureWidth(), 440);
    EXPECT_EQ(getPictureHeight(), 560);
    EXPECT_EQ(getSheetWidth(), 600);
    EXPECT_EQ(getSheetHeight(), 800);
    EXPECT_EQ(getPieceCount(), 12);

    // Piece 7: home cell (1, 2), picture box at (120, 240), sheet tile at (200, 400).
    setCurrentPiece(7);
    EXPECT_EQ(7 % getColumns(), 1);
    EXPECT_EQ(7 / getColumns(), 2);
    EXPECT_EQ(tileLeft(), 200);
    // The tile's lower edge lies one tile above the sheet's bottom edge.
    EXPECT_EQ(tileBottomOffset(), 200);
    setCurrentPiece(0);
    EXPECT_EQ(tileBottomOffset(), 600);
}

TEST(GameState, ByteOffsetsCountFromTheBottomRow)
{
    setEmbeddedGeometry();
    // Position (x, y) addresses stored row sheetHeight - y.
    EXPECT_EQ(rgbOffset(0, 800), 0);
    EXPECT_EQ(rgbOffset(5, 800), 15);
    EXPECT_EQ(rgbOffset(0, 799), 1800);
    EXPECT_EQ(rgbOffset(0, 1), 1800 * 799);
    EXPECT_EQ(maskByteOffset(0, 800), 0);
    EXPECT_EQ(maskByteOffset(17, 799), 300 + 2);
    setMaskRowPad(4);
    EXPECT_EQ(maskByteOffset(0, 799), 302);
    EXPECT_EQ(maskBit(0), 128);
    EXPECT_EQ(maskBit(7), 1);
    EXPECT_EQ(maskBit(8), 128);
    // The finished picture's rows are cellStep x columns = 360 pixels wide.
    EXPECT_EQ(exportOffset(0, 479), 0);
    EXPECT_EQ(exportOffset(2, 0), 6 + 1080 * 479);
}

TEST(GameState, ZOrderListIsRebuiltFromLevels)
{
    setEmbeddedGeometry();
    for (int k = 0; k < 12; ++k)
        zLevel(k % 3, k / 3) = 11 - k;
    rebuildZOrderList();
    for (int p = 0; p < 12; ++p) {
        EXPECT_EQ(zOrderColumn(p), (11 - p) % 3);
        EXPECT_EQ(zOrderRow(p), (11 - p) / 3);
        EXPECT_EQ(zLevel(zOrderColumn(p), zOrderRow(p)), p);
    }
}

TEST(GameState, FullMessageLinesJoinTo337Characters)
{
    resetGameState();
    std::memset(messageLine1(), 'a', messageLineBytes);
    std::memset(messageLine2(), 'b', messageLineBytes);
    std::memset(messageLine3(), 'c', messageLineBytes);
    rebuildAttachedMessage();
    const std::string message = attachedMessage();
    ASSERT_EQ(message.size(), 337u);
    EXPECT_EQ(message.substr(109, 4), "aa\r\n");
    EXPECT_EQ(message.substr(222, 4), "bb\r\n");
    EXPECT_EQ(message.back(), 'c');

    resetGameState();
    rebuildAttachedMessage();
    EXPECT_STREQ(attachedMessage(), "\r\n\r\n");
}

TEST(GameState, Base255Digits)
{
    EXPECT_EQ(base255Low(999), 234);
    EXPECT_EQ(base255High(999), 3);
    EXPECT_EQ(base255Low(254), 254);
    EXPECT_EQ(base255High(255), 1);
    EXPECT_EQ(base255Low(255), 0);
}

TEST(GameState, ReleasingImagesNullsEveryPointer)
{
    resetGameState();
    setPictureDib(allocateImageBlock(100, true));
    setPictureBits(getPictureDib() + 54);
    setPieceSheet3(allocateImageBlock(100, false));
    setPieceSheetBits3(getPieceSheet3() + 40);
    setPieceMask(allocateImageBlock(100, true));
    releaseImageBlocks();
    EXPECT_EQ(getPictureDib(), nullptr);
    EXPECT_EQ(getPictureBits(), nullptr);
    EXPECT_EQ(getPieceSheet3(), nullptr);
    EXPECT_EQ(getPieceSheetBits3(), nullptr);
    EXPECT_EQ(getPieceMask(), nullptr);
    // A second release finds nothing to free.
    releaseImageBlocks();
}

}  // namespace
