// The preview window on the headless back end: placement from the settings, every move written
// at once, the close box, command 40005, the picture drawn and re-laid out by a build.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/lifecycle.h"
#include "app/window_proc.h"
#include "board/surfaces.h"
#include "completion/flow.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "support/program_fixture.h"
#include "support/puzzle_fixture.h"

namespace {

namespace fs = std::filesystem;

class Preview : public ProgramTest {
protected:
    // The four preview keys as the settings file holds them now, in the file's order.
    std::vector<std::string> previewKeys()
    {
        std::vector<std::string> keys;
        for (const std::string& line : settingsLines())
            if (line.rfind("rp", 0) == 0)
                keys.push_back(line);
        return keys;
    }

    static std::vector<std::string> keysFor(int left, int top, int right, int bottom)
    {
        return {"rpleft=" + std::to_string(left), "rptop=" + std::to_string(top),
                "rpright=" + std::to_string(right), "rpbottom=" + std::to_string(bottom)};
    }

    static void expectRect(const Rect& rect, int left, int top, int width, int height)
    {
        EXPECT_EQ(rect.left, left);
        EXPECT_EQ(rect.top, top);
        EXPECT_EQ(rect.right - rect.left, width);
        EXPECT_EQ(rect.bottom - rect.top, height);
    }

    // The preview's client area shows the picture scaled to a third by halftone stretching in
    // its top-left corner.
    static void expectPictureShown(int drawnWidth, int drawnHeight)
    {
        Surface expected;
        resizeSurface(expected, drawnWidth, drawnHeight, 0);
        drawDib(expected, 0, 0, drawnWidth, drawnHeight, getPictureDib(), getPictureBits(), 0, 0,
                getPictureWidth(), getPictureHeight(), RasterOp::copy, StretchMode::halftone);
        const Surface& shown = clientSurface(getPreviewWindow());
        ASSERT_GE(shown.width, drawnWidth);
        ASSERT_GE(shown.height, drawnHeight);
        std::set<Colour> colours;
        for (int y = 0; y < drawnHeight; ++y)
            for (int x = 0; x < drawnWidth; ++x) {
                ASSERT_EQ(pixelAt(shown, x, y), pixelAt(expected, x, y)) << x << "," << y;
                colours.insert(pixelAt(shown, x, y));
            }
        EXPECT_GT(colours.size(), 100u);  // a picture, not a flat colour
    }

    fs::path folder;
};

TEST_F(Preview, FirstOpeningWithoutKeysPlacesItAtFiftyAndDrawsTheThirdSizedPicture)
{
    startProgram();
    ASSERT_EQ(getPictureWidth(), 440);
    ASSERT_EQ(getPictureHeight(), 560);
    command(previewCommandId);
    EXPECT_EQ(getPreviewShown(), 1);
    Window* preview = getPreviewWindow();
    ASSERT_NE(preview, nullptr);
    expectRect(headless::windowRect(preview), 50, 50, 146, 186);
    // The placement on showing is itself a move: the keys are written before anything else.
    EXPECT_EQ(previewKeys(), keysFor(50, 50, 196, 236));
    EXPECT_EQ(headless::events(), std::vector<std::string>{"modeless 117"});
    // Shown and painted at once; the main window stays the one the player works in.
    EXPECT_FALSE(headless::paintPending(preview));
    expectPictureShown(146, 186);
}

TEST_F(Preview, StoredPlaceIsReadAsIntegers)
{
    writeSettings("[Quorin_Section]\r\nrpleft=120\r\nrptop=abc\r\nrpright=9\r\nrpbottom=9\r\n");
    startProgram();
    command(previewCommandId);
    // The size follows the picture, never the stored right and bottom; text reads as 0.
    expectRect(headless::windowRect(getPreviewWindow()), 120, 0, 146, 186);
}

TEST_F(Preview, EveryMoveWritesTheFourKeysAtOnce)
{
    startProgram();
    command(previewCommandId);
    Window* preview = getPreviewWindow();
    headless::dragWindow(preview, 300, 120);
    EXPECT_EQ(previewKeys(), keysFor(300, 120, 446, 306));
    headless::dragWindow(preview, -20, 640);
    EXPECT_EQ(previewKeys(), keysFor(-20, 640, 126, 826));
}

TEST_F(Preview, CloseBoxThenCommandPutsItBackWhereItWas)
{
    startProgram();
    command(previewCommandId);
    Window* first = getPreviewWindow();
    headless::dragWindow(first, 310, 140);
    headless::clickCloseBox(first);
    headless::pumpMessages();
    EXPECT_EQ(getPreviewShown(), 0);
    EXPECT_EQ(headless::events().back(), "destroy 117");
    EXPECT_EQ(previewKeys(), keysFor(310, 140, 456, 326));

    command(previewCommandId);
    EXPECT_EQ(getPreviewShown(), 1);
    expectRect(headless::windowRect(getPreviewWindow()), 310, 140, 146, 186);
    expectPictureShown(146, 186);
}

TEST_F(Preview, CommandTwiceClosesItAndTheMainWindowTakesItAlong)
{
    startProgram();
    command(previewCommandId);
    headless::dragWindow(getPreviewWindow(), 70, 80);
    command(previewCommandId);
    EXPECT_EQ(getPreviewShown(), 0);
    const std::vector<std::string> opened = {"modeless 117", "destroy 117"};
    EXPECT_EQ(headless::events(), opened);
    // The destruction writes the rectangle it had.
    EXPECT_EQ(previewKeys(), keysFor(70, 80, 216, 266));

    command(previewCommandId);
    Window* preview = getPreviewWindow();
    headless::dragWindow(preview, 90, 95);
    destroyWindow(getMainWindow());
    EXPECT_EQ(headless::events().back(), "destroy 117");
    EXPECT_EQ(previewKeys(), keysFor(90, 95, 236, 281));
    EXPECT_FALSE(headless::paintPending(preview));
}

TEST_F(Preview, BuildsResizeAndRedrawItAtTheStoredPlace)
{
    startProgram();
    command(previewCommandId);
    headless::dragWindow(getPreviewWindow(), 400, 30);

    // A landscape picture, 560 x 440.
    SyntheticPuzzle landscape;
    landscape.columns = 4;
    landscape.rows = 3;
    headless::overrideResource("JZT", 164, makePuzzleResource(landscape));
    command(restartCommandId);
    ASSERT_EQ(getPictureWidth(), 560);
    ASSERT_EQ(getPictureHeight(), 440);
    expectRect(headless::windowRect(getPreviewWindow()), 400, 30, 186, 146);
    expectPictureShown(186, 146);

    // Another picture of the same size is drawn too, although the window keeps its size.
    landscape.picture = [](int x, int y) { return makeColour(255 - (x & 0xFF), y & 0xFF, 90); };
    headless::overrideResource("JZT", 164, makePuzzleResource(landscape));
    command(restartCommandId);
    expectRect(headless::windowRect(getPreviewWindow()), 400, 30, 186, 146);
    expectPictureShown(186, 146);

    // With the preview closed a build leaves it closed.
    command(previewCommandId);
    headless::clearEvents();
    command(restartCommandId);
    EXPECT_EQ(getPreviewShown(), 0);
    for (const std::string& event : headless::events())
        EXPECT_EQ(event.find("117"), std::string::npos) << event;
}

TEST_F(Preview, TheNextPuzzleAfterACompletionTakesItsPlaceInThePreview)
{
    startProgram();
    setPuzzleNumber(6);  // the last portrait puzzle; the next one is landscape
    command(restartCommandId);
    command(previewCommandId);
    headless::dragWindow(getPreviewWindow(), 120, 340);
    runCompletionFlow();
    headless::pumpMessages();
    ASSERT_EQ(getPuzzleNumber(), 7);
    ASSERT_EQ(getPictureWidth(), 560);
    expectRect(headless::windowRect(getPreviewWindow()), 120, 340, 186, 146);
    expectPictureShown(186, 146);
}

}  // namespace
