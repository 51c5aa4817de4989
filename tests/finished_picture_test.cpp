// Composing and capturing the finished picture: glued, laid from the pieces, framed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "board/render.h"
#include "board/surfaces.h"
#include "completion/composition.h"
#include "completion/export.h"
#include "platform/headless/headless.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "puzzle/state.h"
#include "support/digest.h"
#include "support/puzzle_fixture.h"

namespace {

constexpr Colour black = makeColour(0, 0, 0);
constexpr Colour white = makeColour(255, 255, 255);

// The finished picture as composed for the given choices, read back through the capture.
struct Finished {
    Surface canvas;
    std::vector<std::uint8_t> pixels;
};

Finished compose(int glue, int panel)
{
    setGlueChoice(glue);
    setPanelChoice(panel);
    Finished finished;
    Surface assembly;
    composeFinishedCanvas(finished.canvas, assembly);
    finished.pixels = captureFinishedPixels(finished.canvas);
    return finished;
}

// Colour of finished pixel (x, y), y = 0 the top line, from bottom-up BGR rows.
Colour finishedPixel(const std::vector<std::uint8_t>& pixels, int x, int y)
{
    const std::size_t at = 3 * (static_cast<std::size_t>(x) +
                                static_cast<std::size_t>(finishedWidth()) *
                                    static_cast<std::size_t>(finishedHeight() - 1 - y));
    return makeColour(pixels[at + 2], pixels[at + 1], pixels[at]);
}

int red(Colour c) { return c & 0xFF; }
int green(Colour c) { return (c >> 8) & 0xFF; }
int blue(Colour c) { return (c >> 16) & 0xFF; }

class FinishedPicture : public ::testing::Test {
protected:
    void SetUp() override { startEmbeddedGame(); }
};

TEST_F(FinishedPicture, HasTheSizeOfTheCellsAtTheMarginsHalf)
{
    EXPECT_EQ(finishedWidth(), 360);
    EXPECT_EQ(finishedHeight(), 480);
    EXPECT_EQ(puzzleAreaOffset(), 40);
    const Finished finished = compose(1, 0);
    EXPECT_EQ(finished.canvas.width, 440);
    EXPECT_EQ(finished.canvas.height, 560);
    EXPECT_EQ(finished.pixels.size(), 518400u);
}

TEST_F(FinishedPicture, GluedIsTheWholePictureHalftoneShrunkIntoTheArea)
{
    const Finished finished = compose(1, 0);
    Surface halftone;
    Surface nearest;
    for (auto [surface, mode] : {std::pair{&halftone, StretchMode::halftone},
                                 std::pair{&nearest, StretchMode::plain}}) {
        resizeSurface(*surface, 360, 480, black);
        drawDib(*surface, 0, 0, 360, 480, getPictureDib(), getPictureBits(), 0, 0, 440, 560,
                RasterOp::copy, mode);
    }
    int differsFromNearest = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 360; ++x) {
            const Colour got = finishedPixel(finished.pixels, x, y);
            ASSERT_EQ(got, pixelAt(halftone, x, y)) << x << "," << y;
            differsFromNearest += got != pixelAt(nearest, x, y);
        }
    EXPECT_GT(differsFromNearest, 10000);
    // Nothing is drawn outside the puzzle area.
    EXPECT_EQ(pixelAt(finished.canvas, 39, 39), black);
    EXPECT_EQ(pixelAt(finished.canvas, 400, 520), black);
}

TEST_F(FinishedPicture, NotGluedIsTheAreaAsTheUnturnedPiecesShowIt)
{
    // The same pieces as the board draws them, turned upright at their home places.
    Surface expected;
    resizeSurface(expected, getPictureWidth(), getPictureHeight(), white);
    for (int k = 0; k < getPieceCount(); ++k) {
        setPieceRotation(1, k);
        loadPieceTiles(k);
        compositePiece(expected, getCellStep() * (k % getColumns()),
                       getCellStep() * (k / getColumns()));
    }
    // Turned pieces on the board must not matter.
    for (int k = 0; k < getPieceCount(); ++k)
        setPieceRotation(1 + k % 4, k);
    const Finished finished = compose(0, 0);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 360; ++x)
            ASSERT_EQ(finishedPixel(finished.pixels, x, y), pixelAt(expected, 40 + x, 40 + y))
                << x << "," << y;
}

TEST_F(FinishedPicture, EachPanelFramesThePictureInsideItsBounds)
{
    const Finished bare = compose(1, 0);
    for (int panel = 1; panel <= 3; ++panel) {
        SCOPED_TRACE(panel);
        const Finished framed = compose(1, panel);
        // Outside the puzzle area the canvas is as it was.
        for (int y = 0; y < 560; y += 7)
            for (int x = 0; x < 440; x += 7) {
                if (x < 40 || x >= 400 || y < 40 || y >= 520) {
                    ASSERT_EQ(pixelAt(framed.canvas, x, y), black);
                }
            }
        // Well inside the band the picture is untouched.
        for (int y = 40; y < 440; y += 3)
            for (int x = 30; x < 330; x += 3)
                ASSERT_EQ(finishedPixel(framed.pixels, x, y), finishedPixel(bare.pixels, x, y));
        // The band along each of the four edges takes the frame's colours.
        int framePixels = 0;
        int bandPixels = 0;
        for (int i = 0; i < 360; i += 2)
            for (int depth = 0; depth < 12; ++depth)
                for (const auto& [x, y] : {std::pair{depth, i * 480 / 360},
                                           std::pair{359 - depth, i * 480 / 360},
                                           std::pair{i, depth}, std::pair{i, 479 - depth}}) {
                    const Colour c = finishedPixel(framed.pixels, x, y);
                    ++bandPixels;
                    if (panel == 1)  // brown: red over green over blue, not bright
                        framePixels += red(c) > green(c) && green(c) > blue(c) && red(c) < 230;
                    else if (panel == 2)  // black lacquer
                        framePixels += red(c) < 90 && green(c) < 90 && blue(c) < 100;
                    else  // gold: warm and bright
                        framePixels += red(c) > 120 && red(c) >= green(c) &&
                                       green(c) > blue(c) + 20;
                }
        EXPECT_GT(framePixels, bandPixels * 95 / 100);
    }
}

TEST_F(FinishedPicture, FramesFollowTheCanvasStretchingModeWhenNotGlued)
{
    const Finished bare = compose(0, 0);
    const Finished framed = compose(0, 2);
    // The corner of the area is frame; the middle is the assembled pieces.
    EXPECT_LT(red(finishedPixel(framed.pixels, 0, 0)), 90);
    EXPECT_EQ(finishedPixel(framed.pixels, 180, 240), finishedPixel(bare.pixels, 180, 240));
}

TEST_F(FinishedPicture, AMissingOrShortPanelBitmapLeavesThePictureUnframed)
{
    const Finished bare = compose(1, 0);
    headless::hideResource("BITMAP", panelMaskBitmap);
    EXPECT_EQ(compose(1, 1).pixels, bare.pixels);
    std::span<const std::uint8_t> gold = findResource("BITMAP", goldPanelBitmap);
    headless::overrideResource("BITMAP", panelMaskBitmap,
                               std::vector<std::uint8_t>(gold.begin(), gold.end() - 1));
    EXPECT_EQ(compose(1, 3).pixels, bare.pixels);
}

TEST_F(FinishedPicture, PixelsStayAsPinnedForEveryChoiceAndInThePreview)
{
    // Glued or laid, with each panel: the exact pixels this game has always written.
    std::uint64_t hash = fnv1a(std::span<const std::uint8_t>{});
    for (int glue = 0; glue <= 1; ++glue)
        for (int panel = 0; panel <= 3; ++panel)
            hash = fnv1a(compose(glue, panel).pixels, hash);
    EXPECT_EQ(hash, 0xfaaf4bc621fac77bull) << std::hex << hash;
    // The preview's third-sized picture.
    Surface preview;
    resizeSurface(preview, 146, 186, black);
    drawDib(preview, 0, 0, 146, 186, getPictureDib(), getPictureBits(), 0, 0, 440, 560,
            RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(fnv1a(std::span<const std::uint32_t>(preview.pixels)), 0x3d4536308655bf9cull)
        << std::hex << fnv1a(std::span<const std::uint32_t>(preview.pixels));
}

}  // namespace
