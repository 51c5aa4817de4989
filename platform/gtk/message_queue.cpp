// The thread's message queue: GDK events arrive here as posted messages, in Windows' order.
#include <deque>

#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

std::deque<Message> queue;
bool quitPosted = false;
int quitCode = 0;

bool isMouseMessage(unsigned message)
{
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONUP;
}

Window* windowWithPendingPaint()
{
    for (const auto& window : gtkbackend::allWindows())
        if (window->alive && window->paintPending)
            return window.get();
    return nullptr;
}

// Turns the pending paint of a window into its WM_PAINT, erasing first when asked to.
Message takePaint(Window* window)
{
    window->paintPending = false;
    if (window->erasePending) {
        window->erasePending = false;
        Surface& surface = window->surface;
        fillRect(surface, 0, 0, surface.width, surface.height, window->backgroundFill);
    }
    return Message{window, WM_PAINT, 0, 0};
}

}  // namespace

namespace gtkbackend {

void runPendingIterations()
{
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
}

void removeQueuedMessages(Window* window)
{
    std::erase_if(queue, [window](const Message& message) { return message.window == window; });
}

std::intptr_t callProcedure(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam)
{
    if (!isLive(window) || !window->proc)
        return 0;
    if (!window->isDialog)
        return window->proc(window, message, wParam, lParam);
    const std::intptr_t handled = window->proc(window, message, wParam, lParam);
    if (handled || !isLive(window))
        return handled;
    return defDialogProc(window, message, wParam, lParam);
}

bool dispatchModalStep()
{
    runPendingIterations();
    for (auto at = queue.begin(); at != queue.end(); ++at) {
        if (isLive(at->window) && at->window->isDialog) {
            const Message message = *at;
            queue.erase(at);
            dispatchMessage(message);
            return true;
        }
    }
    if (Window* window = windowWithPendingPaint()) {
        dispatchMessage(takePaint(window));
        return true;
    }
    flushDrawing();
    return false;
}

}  // namespace gtkbackend

bool peekMessage(Message& message)
{
    // Only the outermost loop takes messages here: nothing of a destroyed window is running.
    gtkbackend::freeRetiredWindows();
    gtkbackend::runPendingIterations();
    gtkbackend::flushDrawing();
    while (!queue.empty()) {
        message = queue.front();
        queue.pop_front();
        if (!gtkbackend::isLive(message.window))
            continue;
        // As Windows does before each mouse message, ask the window which cursor to show.
        if (isMouseMessage(message.message))
            gtkbackend::callProcedure(message.window, WM_SETCURSOR,
                                      reinterpret_cast<std::uintptr_t>(message.window),
                                      1 | (static_cast<std::intptr_t>(message.message) << 16));
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        message = Message{nullptr, WM_QUIT, static_cast<std::uintptr_t>(quitCode), 0};
        return true;
    }
    if (Window* window = windowWithPendingPaint()) {
        message = takePaint(window);
        return true;
    }
    if (gtkbackend::takeDueTimer(message))
        return true;
    gtkbackend::applyWantedCursor();
    return false;
}

void invalidateWindow(Window* window, bool erase)
{
    if (!gtkbackend::isLive(window))
        return;
    window->paintPending = true;
    window->erasePending = window->erasePending || erase;
}

void updateWindow(Window* window)
{
    if (gtkbackend::isLive(window) && window->paintPending)
        dispatchMessage(takePaint(window));
}

void waitMessage()
{
    gtkbackend::flushDrawing();
    if (queue.empty() && !quitPosted && !windowWithPendingPaint() && !gtkbackend::timerDue())
        gtkbackend::waitForEventUnlessQuitting();
}

std::intptr_t dispatchMessage(const Message& message)
{
    if (!gtkbackend::isLive(message.window))
        return 0;
    const std::intptr_t answer =
        gtkbackend::callProcedure(message.window, message.message, message.wParam, message.lParam);
    gtkbackend::flushDrawing();
    gtkbackend::applyWantedCursor();
    return answer;
}

std::intptr_t sendMessage(Window* window, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam)
{
    return gtkbackend::callProcedure(window, message, wParam, lParam);
}

void postMessage(Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (gtkbackend::isLive(window))
        queue.push_back(Message{window, message, wParam, lParam});
}

void postQuitMessage(int exitCode)
{
    quitPosted = true;
    quitCode = exitCode;
}

std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t, std::intptr_t)
{
    switch (message) {
    case WM_CLOSE:
        destroyWindow(window);
        return 0;
    case WM_SETCURSOR:
        gtkbackend::wantArrowCursor(window);
        return 1;
    default:
        return 0;
    }
}
