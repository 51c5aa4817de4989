// Every embedded puzzle builds, and its sheets and mask agree with its picture and label.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless.h"
#include "platform/text.h"
#include "puzzle/construction.h"
#include "puzzle/cutting.h"
#include "puzzle/state.h"
#include "support/puzzle_fixture.h"

namespace {

// For every box pixel of every piece: a pixel of the piece shows the picture (or the outline
// grey) in the unturned sheet and clears the silhouette bit in all four strips; any other
// pixel stays white with its bits set.
void expectSheetsMatchLabel()
{
    const int size = getPieceSize();
    const int step = getCellStep();
    const int width = getPictureWidth();
    const int height = getPictureHeight();
    const int centre = getPieceMargin() + getPieceCore() / 2;
    int mismatches = 0;
    int piecePixels = 0;
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c < getColumns(); ++c) {
            const int boxX = c * step;
            const int boxY = r * step;
            const int label = labelAt(boxX + centre, boxY + centre);
            for (int q = 1; q < size; ++q)
                for (int p = 1; p < size; ++p) {
                    const int x = boxX + p;
                    const int y = boxY + q;
                    const bool inPiece = x < width && y < height && labelAt(x, y) == label;
                    const int tileX = c * size;
                    const int tileY = r * size;
                    const std::uint8_t* pixel = getPieceSheetBits1() + rgbOffset(tileX + p, tileY + q);
                    const int colour = pictureAt(std::min(x, width - 1), std::min(y, height - 1));
                    const bool showsPicture = pixel[0] == ((colour >> 16) & 0xFF) &&
                                              pixel[1] == ((colour >> 8) & 0xFF) &&
                                              pixel[2] == (colour & 0xFF);
                    const bool showsOutline = pixel[0] == pixel[1] && pixel[1] == pixel[2] &&
                                              (pixel[0] == outlineLight || pixel[0] == outlineDark);
                    const bool white = pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
                    const int strips[4][2] = {{tileX + p, tileY + q},
                                              {getSheetWidth() + tileX + size - q, tileY + p},
                                              {2 * getSheetWidth() + tileX + size - p, tileY + size - q},
                                              {3 * getSheetWidth() + tileX + q, tileY + size - p}};
                    bool bitsAgree = true;
                    for (const auto& strip : strips) {
                        const bool set = (getPieceMaskBits()[maskByteOffset(strip[0], strip[1])] &
                                          maskBit(strip[0])) != 0;
                        bitsAgree = bitsAgree && set != inPiece;
                    }
                    const bool ok = bitsAgree && (inPiece ? (showsPicture || showsOutline) : white);
                    mismatches += ok ? 0 : 1;
                    piecePixels += inPiece ? 1 : 0;
                }
        }
    EXPECT_EQ(mismatches, 0);
    // The pieces together cover the whole puzzle area, a good part of the picture.
    EXPECT_GT(piecePixels, width * height / 2);
}

TEST(EmbeddedPuzzles, EveryPuzzleBuildsAndAgreesWithItsLabel)
{
    startHeadlessGame();
    for (int number = 2; number <= 8; ++number) {
        SCOPED_TRACE("puzzle " + std::to_string(number));
        headless::clearEvents();
        setPuzzleNumber(number);
        buildPuzzle();
        for (const std::string& event : headless::events())
            EXPECT_EQ(event.rfind("messagebox", 0), std::string::npos) << event;
        EXPECT_EQ(getColumns(), number <= 6 ? 3 : 4);
        EXPECT_EQ(getRows(), number <= 6 ? 4 : 3);
        EXPECT_EQ(getPieceSize(), 200);
        EXPECT_EQ(getPuzzleTag(), 1);
        EXPECT_NE(cp932ToUtf8(messageLine2()).find_first_not_of(' '), std::string::npos);
        expectSheetsMatchLabel();
    }
}

}  // namespace
