// The GTK back end's main window on a display: scroll bars shrink the client area and report
// the player's moves, the wheel and the middle button become messages, timers wait while the
// game works, and the window comes onto the screen once, already painted. Needs a display
// (ctest runs it under xvfb-run); skipped without one.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/gtk/display_main.h"

namespace {

std::vector<Message> received;

std::intptr_t recordingProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam)
{
    received.push_back(Message{window, message, wParam, lParam});
    return defWindowProc(window, message, wParam, lParam);
}

std::vector<Message> receivedOf(unsigned kind)
{
    std::vector<Message> found;
    for (const Message& message : received)
        if (message.message == kind)
            found.push_back(message);
    return found;
}

void drain()
{
    Message message;
    while (peekMessage(message))
        dispatchMessage(message);
}

class GtkViewInput : public testing::Test {
protected:
    void SetUp() override
    {
        if (!displayOpened())
            GTEST_SKIP() << "no display";
        window = createMainWindow("VELMORA", 40, 30, 640, 480, 113, 118, recordingProc);
        showWindow(window);
        drain();
        received.clear();
    }
    void TearDown() override
    {
        if (!window)
            return;
        destroyWindow(window);
        drain();
    }

    // The event as GDK would deliver it to the client area, `x` and `y` in client pixels.
    void deliverScroll(GdkScrollDirection direction, double deltaX, double deltaY, double x,
                       double y, guint state)
    {
        GdkEvent* event = gdk_event_new(GDK_SCROLL);
        event->scroll.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(window->client)));
        event->scroll.direction = direction;
        event->scroll.delta_x = deltaX;
        event->scroll.delta_y = deltaY;
        event->scroll.x = x;
        event->scroll.y = y;
        event->scroll.state = state;
        gtk_widget_event(window->client, event);
        gdk_event_free(event);
    }

    Window* window = nullptr;
};

TEST_F(GtkViewInput, ScrollBarsShrinkTheClientAreaAndReportOnlyThePlayersMoves)
{
    const Rect outer = getWindowRect(window);
    const Rect client = getClientRect(window);
    ASSERT_GT(client.right, 100);

    setScrollBar(window, ScrollBarAxis::vertical, 3000, client.bottom, 100);
    const Rect narrower = getClientRect(window);
    EXPECT_LT(narrower.right, client.right);
    EXPECT_GT(narrower.right, client.right - 60);
    EXPECT_EQ(narrower.bottom, client.bottom);
    EXPECT_EQ(clientSurface(window).width, narrower.right);

    setScrollBar(window, ScrollBarAxis::horizontal, 2000, narrower.right, 0);
    const Rect smaller = getClientRect(window);
    EXPECT_EQ(smaller.right, narrower.right);
    EXPECT_LT(smaller.bottom, client.bottom);
    EXPECT_EQ(clientSurface(window).height, smaller.bottom);
    drain();
    EXPECT_FALSE(receivedOf(WM_PAINT).empty()) << "a new client size is painted";
    EXPECT_TRUE(receivedOf(WM_HSCROLL).empty()) << "setting a bar is not the player's move";
    EXPECT_TRUE(receivedOf(WM_VSCROLL).empty());
    const Rect outerWithBars = getWindowRect(window);
    EXPECT_EQ(outerWithBars.left, outer.left);
    EXPECT_EQ(outerWithBars.right, outer.right);
    EXPECT_EQ(outerWithBars.bottom, outer.bottom);

    gtk_range_set_value(GTK_RANGE(window->verticalBar.bar), 250);
    gtk_range_set_value(GTK_RANGE(window->horizontalBar.bar), 70);
    drain();
    const std::vector<Message> vertical = receivedOf(WM_VSCROLL);
    ASSERT_EQ(vertical.size(), 1u);
    EXPECT_EQ(vertical[0].wParam, makeScrollParam(SB_THUMBTRACK, 250));
    EXPECT_EQ(vertical[0].lParam, 0);
    const std::vector<Message> horizontal = receivedOf(WM_HSCROLL);
    ASSERT_EQ(horizontal.size(), 1u);
    EXPECT_EQ(horizontal[0].wParam, makeScrollParam(SB_THUMBTRACK, 70));

    setScrollBar(window, ScrollBarAxis::vertical, 100, 100, 0);
    setScrollBar(window, ScrollBarAxis::horizontal, 0, 100, 0);
    const Rect again = getClientRect(window);
    EXPECT_EQ(again.right, client.right);
    EXPECT_EQ(again.bottom, client.bottom);
    EXPECT_EQ(clientSurface(window).width, client.right);
    EXPECT_EQ(clientSurface(window).height, client.bottom);
}

TEST_F(GtkViewInput, WheelAndMiddleButtonArriveWithClientPointsAndKeyFlags)
{
    deliverScroll(GDK_SCROLL_UP, 0, 0, 10, 20, GDK_CONTROL_MASK);
    deliverScroll(GDK_SCROLL_RIGHT, 0, 0, 10, 20, 0);
    deliverScroll(GDK_SCROLL_SMOOTH, -0.5, 0.25, 30, 40, GDK_SHIFT_MASK);
    deliverScroll(GDK_SCROLL_DOWN, 0, 0, 5000, 20, 0);  // off the client area
    drain();
    const std::vector<Message> vertical = receivedOf(WM_MOUSEWHEEL);
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_EQ(vertical[0].wParam, makeWheelParam(WHEEL_DELTA, MK_CONTROL));
    EXPECT_EQ(vertical[0].lParam, makePointParam(10, 20));
    EXPECT_EQ(vertical[1].wParam, makeWheelParam(-30, MK_SHIFT));  // Shift stays vertical
    EXPECT_EQ(vertical[1].lParam, makePointParam(30, 40));
    const std::vector<Message> horizontal = receivedOf(WM_MOUSEHWHEEL);
    ASSERT_EQ(horizontal.size(), 2u);
    EXPECT_EQ(horizontal[0].wParam, makeWheelParam(WHEEL_DELTA, 0));
    EXPECT_EQ(horizontal[1].wParam, makeWheelParam(-60, MK_SHIFT));

    // The middle button: its own flag while it is down, not once it is up.
    for (const GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(window->client)));
        event->button.button = 2;
        event->button.x = 15;
        event->button.y = 25;
        event->button.state = GDK_SHIFT_MASK | (type == GDK_BUTTON_RELEASE ? GDK_BUTTON2_MASK : 0);
        gtk_widget_event(window->client, event);
        gdk_event_free(event);
    }
    drain();
    const std::vector<Message> down = receivedOf(WM_MBUTTONDOWN);
    const std::vector<Message> up = receivedOf(WM_MBUTTONUP);
    ASSERT_EQ(down.size(), 1u);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(down[0].wParam, MK_MBUTTON | MK_SHIFT);
    EXPECT_EQ(down[0].lParam, makePointParam(15, 25));
    EXPECT_EQ(up[0].wParam, MK_SHIFT);
}

TEST_F(GtkViewInput, TimersWaitWhileTheGameWorksAndSendOneMessageForManyMisses)
{
    setTimer(window, 5, 200);
    // Work that lets GTK draw its progress without taking messages, for five intervals.
    for (int round = 0; round < 10; ++round) {
        g_usleep(110000);
        gtkbackend::runPendingIterations();
    }
    EXPECT_TRUE(receivedOf(WM_TIMER).empty());
    std::vector<Message> timers;
    Message message;
    while (peekMessage(message))
        if (message.message == WM_TIMER)
            timers.push_back(message);
    ASSERT_EQ(timers.size(), 1u);
    EXPECT_EQ(timers[0].wParam, 5u);
    EXPECT_EQ(timers[0].window, window);

    // Killed, the timer sends nothing more, however long the loop waits for it.
    killTimer(window, 5);
    g_usleep(250000);
    gtkbackend::runPendingIterations();
    drain();
    EXPECT_TRUE(receivedOf(WM_TIMER).empty());
}

// Whether the window was on the screen at each paint, and the client surface's width then.
std::vector<std::pair<bool, int>> paints;

std::intptr_t paintRecordingProc(Window* window, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam)
{
    if (message == WM_PAINT)
        paints.emplace_back(gtk_widget_get_mapped(window->toplevel), clientSurface(window).width);
    return defWindowProc(window, message, wParam, lParam);
}

TEST(GtkMainWindow, ComesOntoTheScreenOnceAlreadyPaintedAtItsPlacedSize)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    paints.clear();
    Window* window = createMainWindow("VELMORA", 40, 30, 640, 480, 113, 118, paintRecordingProc);
    EXPECT_FALSE(gtk_widget_get_mapped(window->toplevel));
    EXPECT_EQ(getClientRect(window).right, 640) << "drawn on before it is shown";
    EXPECT_EQ(clientSurface(window).width, 640);

    invalidateWindow(window, false);
    setWindowPos(window, 60, 50, 800, 600);
    EXPECT_TRUE(gtk_widget_get_mapped(window->toplevel));
    drain();
    ASSERT_EQ(paints.size(), 1u) << "one paint, not one more after the window shows";
    EXPECT_FALSE(paints[0].first) << "painted before it came onto the screen";
    EXPECT_EQ(paints[0].second, 800);
    EXPECT_EQ(getClientRect(window).right, 800);
    destroyWindow(window);
    drain();
}

}  // namespace
