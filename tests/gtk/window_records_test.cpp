// The GTK back end gives back the records of destroyed windows: a hundred puzzle builds, each
// with its progress dialog, leave as many window records and as much memory as before.
// Needs a display (ctest runs it under xvfb-run); skipped without one.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>

#include "app/window_proc.h"
#include "board/surfaces.h"
#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/startup.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tests/gtk/display_main.h"

namespace {


// Builds the first puzzle again and lets the main loop take what follows (paints, and the
// freeing of destroyed windows' records).
void buildAndSettle()
{
    buildPuzzle();
    Message message;
    while (peekMessage(message))
        dispatchMessage(message);
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

TEST(GtkWindowRecords, HundredBuildsLeaveRecordsAndMemoryWhereTheyWere)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    createDrawingSurfaces();
    fillNeighbourSteps();
    setMainWindow(createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, mainWindowProc));
    setPuzzleNumber(2);
    // Caches of GTK, fonts and the resource bundle fill on the first builds.
    for (int n = 0; n < 10; ++n)
        buildAndSettle();
    const std::size_t records = gtkbackend::windowRecordCount();
    const std::size_t memory = heapInUse();

    for (int n = 0; n < 100; ++n)
        buildAndSettle();

    EXPECT_EQ(gtkbackend::windowRecordCount(), records);
    EXPECT_EQ(gtkbackend::allWindows().size(), 1u) << "only the main window exists";
    const std::size_t grown = heapInUse() > memory ? heapInUse() - memory : 0;
    std::printf("records %zu, heap grew by %zu bytes over 100 builds\n", records, grown);
    EXPECT_LT(grown, 64u * 1024u);
    shutDownPlatform();
}

}  // namespace
