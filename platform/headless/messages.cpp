// The message queue: posted messages first, then WM_QUIT, then WM_PAINT for invalid windows,
// then WM_TIMER for timers the clock has reached.
#include "platform/messages.h"

#include <algorithm>

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

using headless::backEnd;
using headless::isLive;

namespace {

enum class Next { nothing, posted, quit, paint, timer };

// USER_TIMER_MINIMUM: shorter intervals are raised to it.
constexpr int shortestInterval = 10;

// The first timer the clock has reached (wrapping as the tick count does), or null.
headless::Timer* dueTimer()
{
    for (headless::Timer& timer : backEnd().timers)
        if (static_cast<std::int32_t>(backEnd().ticks - timer.due) >= 0)
            return &timer;
    return nullptr;
}

// What peekMessage would answer now. Messages posted to windows destroyed since are dropped.
Next nextMessageKind()
{
    auto& queue = backEnd().queue;
    while (!queue.empty() && queue.front().window && !isLive(queue.front().window))
        queue.pop_front();
    if (!queue.empty())
        return Next::posted;
    if (backEnd().quitPending)
        return Next::quit;
    for (const auto& window : backEnd().windows)
        if (window->alive && window->paintPending)
            return Next::paint;
    if (dueTimer())
        return Next::timer;
    return Next::nothing;
}

}  // namespace

bool peekMessage(Message& message)
{
    switch (nextMessageKind()) {
    case Next::nothing:
        return false;
    case Next::posted:
        message = backEnd().queue.front();
        backEnd().queue.pop_front();
        return true;
    case Next::quit:
        backEnd().quitPending = false;
        message = {nullptr, WM_QUIT, static_cast<std::uintptr_t>(backEnd().exitCode), 0};
        return true;
    case Next::paint:
        for (const auto& window : backEnd().windows) {
            if (window->alive && window->paintPending) {
                window->paintPending = false;
                message = {window.get(), WM_PAINT, 0, 0};
                break;
            }
        }
        return true;
    case Next::timer: {
        headless::Timer* timer = dueTimer();
        timer->due = backEnd().ticks + static_cast<std::uint32_t>(timer->interval);
        message = {timer->window, WM_TIMER, static_cast<std::uintptr_t>(timer->id), 0};
        return true;
    }
    }
    return false;
}

void setTimer(Window* window, int id, int milliseconds)
{
    if (!isLive(window))
        return;
    killTimer(window, id);
    const int interval = std::max(milliseconds, shortestInterval);
    backEnd().timers.push_back(
        {window, id, interval, backEnd().ticks + static_cast<std::uint32_t>(interval)});
}

void killTimer(Window* window, int id)
{
    std::erase_if(backEnd().timers, [window, id](const headless::Timer& timer) {
        return timer.window == window && timer.id == id;
    });
}

void waitMessage()
{
    // Tests never block: whatever is available is taken by the next peekMessage.
}

std::intptr_t dispatchMessage(const Message& message)
{
    return sendMessage(message.window, message.message, message.wParam, message.lParam);
}

std::intptr_t sendMessage(Window* window, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam)
{
    if (!isLive(window) || !window->proc)
        return 0;
    return window->proc(window, message, wParam, lParam);
}

void postMessage(Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (window && !isLive(window))
        return;
    backEnd().queue.push_back({window, message, wParam, lParam});
}

void postQuitMessage(int exitCode)
{
    backEnd().quitPending = true;
    backEnd().exitCode = exitCode;
}

std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t /*wParam*/,
                            std::intptr_t /*lParam*/)
{
    if (message == WM_CLOSE)
        destroyWindow(window);
    else if (message == WM_SETCURSOR)
        backEnd().cursor = 0;
    return 0;
}

namespace headless {

std::optional<int> timerInterval(Window* window, int id)
{
    for (const Timer& timer : backEnd().timers)
        if (timer.window == window && timer.id == id)
            return timer.interval;
    return std::nullopt;
}

bool pumpMessages()
{
    for (;;) {
        switch (nextMessageKind()) {
        case Next::nothing:
            return true;
        case Next::quit:
            return false;
        case Next::posted:
        case Next::paint:
        case Next::timer:
            break;
        }
        Message message;
        peekMessage(message);
        dispatchMessage(message);
    }
}

}  // namespace headless
