// After a finished puzzle the series goes on, and starts again after the last one.
#include <gtest/gtest.h>

#include "completion/flow.h"
#include "platform/headless/headless.h"
#include "platform/text.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "support/puzzle_fixture.h"

namespace {

TEST(CompletionFlow, TheSeriesWrapsAfterTheSeventhPuzzle)
{
    startHeadlessGame();
    setPuzzleNumber(7);
    buildPuzzle();
    const std::string seventh = cp932ToUtf8(messageLine2());

    runCompletionFlow();
    EXPECT_EQ(getPuzzleNumber(), 8);
    EXPECT_EQ(getColumns(), 4);
    EXPECT_NE(cp932ToUtf8(messageLine2()), seventh);

    runCompletionFlow();
    EXPECT_EQ(getPuzzleNumber(), 2);
    EXPECT_EQ(getColumns(), 3);
    EXPECT_NE(cp932ToUtf8(messageLine2()).find("柑橘の輪切り"), std::string::npos);
    // A whole new puzzle: every image made afresh, every piece on its own.
    ASSERT_NE(getPictureDib(), nullptr);
    ASSERT_NE(getPieceMask(), nullptr);
    for (int k = 0; k < getPieceCount(); ++k)
        EXPECT_EQ(groupCells(k)[k % 3][k / 3], 1);
    for (const std::string& event : headless::events())
        EXPECT_EQ(event.rfind("messagebox", 0), std::string::npos) << event;
}

}  // namespace
