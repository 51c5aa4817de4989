// The message queue: posted messages first, then WM_QUIT, then WM_PAINT for invalid windows.
#include "platform/messages.h"

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

using headless::backEnd;
using headless::isLive;

namespace {

enum class Next { nothing, posted, quit, paint };

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
    }
    return false;
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
            break;
        }
        Message message;
        peekMessage(message);
        dispatchMessage(message);
    }
}

}  // namespace headless
