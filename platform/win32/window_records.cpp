// The back end's window records: creation, lookup by handle, retirement and freeing.
#include <algorithm>
#include <unordered_set>

#include "platform/win32/win32_window.h"

namespace win32backend {

namespace {

std::vector<std::unique_ptr<Window>>& liveWindows()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

std::vector<std::unique_ptr<Window>>& retiredWindows()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

std::unordered_set<const Window*>& liveRecords()
{
    static std::unordered_set<const Window*> records;
    return records;
}

}  // namespace

HINSTANCE programInstance()
{
    return GetModuleHandleW(nullptr);
}

Window* newWindowRecord()
{
    liveWindows().push_back(std::make_unique<Window>());
    liveRecords().insert(liveWindows().back().get());
    return liveWindows().back().get();
}

const std::vector<std::unique_ptr<Window>>& allWindows()
{
    return liveWindows();
}

bool isLive(const Window* window)
{
    return window && liveRecords().contains(window) && window->hwnd;
}

Window* windowOf(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    for (const auto& window : liveWindows())
        if (window->hwnd == hwnd)
            return window.get();
    return nullptr;
}

void attachHandle(Window* window, HWND hwnd)
{
    window->hwnd = hwnd;
}

void retireWindowRecord(Window* window)
{
    window->hwnd = nullptr;
    liveRecords().erase(window);
    auto& windows = liveWindows();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [window](const auto& record) { return record.get() == window; });
    if (found == windows.end())
        return;
    retiredWindows().push_back(std::move(*found));
    windows.erase(found);
}

void freeRetiredWindows()
{
    retiredWindows().clear();
}

}  // namespace win32backend
