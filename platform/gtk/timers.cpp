// SetTimer and KillTimer: GLib timeouts that mark their timer due; the outermost message loop
// turns a due timer into one WM_TIMER, so work that runs without taking messages (while GTK
// draws its progress) never hears one, and a timer missed many times sends one message.
#include <algorithm>
#include <list>

#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"

namespace {

// USER_TIMER_MINIMUM: shorter intervals are raised to it.
constexpr int shortestInterval = 10;

struct Timer {
    Window* window = nullptr;
    int id = 0;
    guint source = 0;
    bool due = false;
};

// A list, so that each timeout's pointer to its record stays valid.
std::list<Timer>& timers()
{
    static std::list<Timer> list;
    return list;
}

gboolean cameDue(gpointer data)
{
    static_cast<Timer*>(data)->due = true;
    return G_SOURCE_CONTINUE;
}

// Stops the timers that `match` picks and forgets them (with a WM_TIMER not yet taken).
template <class Match>
void removeTimers(Match match)
{
    std::erase_if(timers(), [&match](const Timer& timer) {
        if (!match(timer))
            return false;
        g_source_remove(timer.source);
        return true;
    });
}

}  // namespace

namespace gtkbackend {

bool takeDueTimer(Message& message)
{
    for (Timer& timer : timers()) {
        if (timer.due && isLive(timer.window)) {
            timer.due = false;
            message = Message{timer.window, WM_TIMER, static_cast<std::uintptr_t>(timer.id), 0};
            return true;
        }
    }
    return false;
}

bool timerDue()
{
    return std::any_of(timers().begin(), timers().end(),
                       [](const Timer& timer) { return timer.due && isLive(timer.window); });
}

// DestroyWindow kills the window's timers.
void killWindowTimers(Window* window)
{
    removeTimers([window](const Timer& timer) { return timer.window == window; });
}

}  // namespace gtkbackend

void setTimer(Window* window, int id, int milliseconds)
{
    if (!gtkbackend::isLive(window))
        return;
    killTimer(window, id);
    Timer& timer = timers().emplace_back(Timer{window, id});
    timer.source = g_timeout_add(static_cast<guint>(std::max(milliseconds, shortestInterval)),
                                 cameDue, &timer);
}

void killTimer(Window* window, int id)
{
    removeTimers(
        [window, id](const Timer& timer) { return timer.window == window && timer.id == id; });
}
