// A quit asked for while one of the GTK back end's modal loops is idle ends that loop at once,
// even when the request comes from an event handled among the pending work (as a signal is),
// which leaves nothing behind to wake a blocking wait. Each loop runs in a process of its
// own, since a quit request lasts for the rest of the program.
// Needs a display (ctest runs it under xvfb-run); skipped without one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "tests/gtk/display_main.h"

namespace {

constexpr int picturePuzzleDialogId = 141;  // Ctrl+N, with a text entry
constexpr int puzzlesDialogId = 142;        // the Puzzles window, with its thumbnail grid
constexpr std::intptr_t IDCANCEL = 2;

// A procedure that never ends its dialog itself.
std::intptr_t idleProcedure(Window*, unsigned message, std::uintptr_t, std::intptr_t)
{
    return message == WM_INITDIALOG ? 1 : 0;
}

// Ends the process with a failure unless it has ended within a second.
void armWatchdog()
{
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        static constexpr char message[] = "the loop still runs a second after the quit request\n";
        [[maybe_unused]] const auto written = write(STDERR_FILENO, message, sizeof message - 1);
        _exit(1);
    }).detach();
}

// Once the loop has shown its window and gone idle (the tooltip timer of the pointer's arrival
// run out), a timeout queues an idle source that asks for the quit as the signal handler does:
// the timeout wakes the loop, and the idle source runs among the pending events the loop
// handles before it would wait again.
void requestQuitFromPendingEventWhenIdle()
{
    // A blinking text cursor (Ctrl+N's entry) would wake the loop, hiding the fault.
    g_object_set(gtk_settings_get_default(), "gtk-cursor-blink", FALSE, nullptr);
    g_timeout_add(1000, [](gpointer) -> gboolean {
        g_idle_add([](gpointer) -> gboolean {
            armWatchdog();
            gtkbackend::requestQuit();
            return G_SOURCE_REMOVE;
        }, nullptr);
        return G_SOURCE_REMOVE;
    }, nullptr);
}

struct ModalLoop {
    const char* name;
    bool (*runUntilItEnds)();  // whether it ended with the answer of a quit
};

const ModalLoop modalLoops[] = {
    {"dialog from a template",
     [] { return runModalDialog(picturePuzzleDialogId, nullptr, idleProcedure, 0) == IDCANCEL; }},
    {"Puzzles window",
     [] { return runModalDialog(puzzlesDialogId, nullptr, idleProcedure, 0) == IDCANCEL; }},
    {"message box", [] { messageBox(nullptr, "メッセージ"); return true; }},
    {"question", [] { return !askYesNo(nullptr, "質問", "続けますか?"); }},
};

TEST(GtkQuitInModalLoops, RequestFromPendingEventEndsIdleLoopWithinASecond)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    // Each child starts the test program afresh, on a display connection of its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const ModalLoop& loop : modalLoops)
        EXPECT_EXIT(
            {
                requestQuitFromPendingEventWhenIdle();
                _exit(loop.runUntilItEnds() ? 0 : 2);
            },
            ::testing::ExitedWithCode(0), "")
            << loop.name;
}

}  // namespace
