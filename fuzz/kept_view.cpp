// Fuzz target: a kept view of any values (a level not offered, a scroll offset huge or
// negative) put back over a window of any size up to 2047 x 2047 and painted, then zoomed and
// scrolled and painted again. The view must always stand on an offered level, scroll within
// the board, and paint.
// The input is the client area's width and height (16 bits each), the kept level and scroll
// offset (32 bits each), then steps of 6 bytes: what to do (16 bits: zoom in, zoom out, zoom to
// a level, scroll by, scroll to) and its value (32 bits).
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "app/view_control.h"
#include "board/render.h"
#include "fuzz/fuzz_support.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tests/support/puzzle_fixture.h"
#include "view/view.h"

namespace {

// A game once, on a puzzle of 3 x 4 pieces with cells of 72 pixels: the levels then have steps
// of their own (18, 24, 36, 54, 72, 108, 144 pixels).
void startOnce()
{
    static const bool started = [] {
        startFuzzGame();
        headless::overrideResource("JZT", 164, makePuzzleResource({3, 4, 24, 48}));
        buildPuzzle();
        fuzzRequire(getColumns() == 3 && getRows() == 4, "the fixture's puzzle did not build");
        return true;
    }();
    (void)started;
}

bool offered(int percent)
{
    return percent == 0 || std::find(std::begin(zoomPercents), std::end(zoomPercents),
                                     percent) != std::end(zoomPercents);
}

// Makes the view ready for a paint as WM_PAINT does, then checks it against the window.
void checkView()
{
    prepareViewForPaint();
    fuzzRequire(offered(chosenViewLevel()), "the view stands on a level not offered");
    const ViewScale scale = viewScale();
    fuzzRequire(scale.windowStep >= 1 && scale.boardStep >= 1, "a view scale without pixels");
    const Rect client = getClientRect(getMainWindow());
    const Point board = scaledBoardSize();
    const Point scroll = viewScroll();
    fuzzRequire(scroll.x >= 0 && scroll.y >= 0 &&
                    scroll.x <= std::max(0, board.x - (client.right - client.left)) &&
                    scroll.y <= std::max(0, board.y - (client.bottom - client.top)),
                "the view scrolled beyond the board");
    const KeptView kept = keptView();
    fuzzRequire(kept.percent == chosenViewLevel() && kept.scroll.x == scroll.x &&
                    kept.scroll.y == scroll.y,
                "the view is not kept as it is");
    // The board pixel under the window's corner is drawn there.
    const Point corner = windowToBoard({0, 0});
    const Point back = boardToWindow(corner);
    fuzzRequire(back.x <= 0 && back.y <= 0 && back.x > -scale.windowStep - 1 &&
                    back.y > -scale.windowStep - 1,
                "the window's corner shows another board pixel");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startOnce();
    InputReader input(data, size);
    const int width = input.take16() & 0x7FF;
    const int height = input.take16() & 0x7FF;
    moveWindowToClientSize(getMainWindow(), 0, 0, width, height, false);
    KeptView kept;
    kept.percent = input.take32();
    kept.scroll = {input.take32(), input.take32()};
    restoreView(kept);
    fuzzRequire(chosenViewLevel() == (offered(kept.percent) ? kept.percent : 100),
                "a kept level put back as another");
    checkView();
    paintBoard();
    for (int steps = 0; steps < 16 && input.restSize() > 0; ++steps) {
        const int what = input.take16() & 0xFF;
        const int value = input.take32();
        const Point anchor{value & 0xFFF, (value >> 12) & 0xFFF};
        switch (what % 5) {
        case 0:
            zoomViewBy(1, anchor);
            break;
        case 1:
            zoomViewBy(-1, anchor);
            break;
        case 2:
            zoomViewTo(zoomPercents[static_cast<unsigned>(value) % std::size(zoomPercents)],
                       anchor);
            break;
        case 3:
            scrollViewBy(static_cast<std::int16_t>(value), value >> 16);
            break;
        default:
            scrollViewTo(value, value ^ 0x5A5A5A5A);
            break;
        }
        checkView();
    }
    paintBoard();
    return 0;
}
