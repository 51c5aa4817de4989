// Bringing the Win32 back end up (DPI awareness, common controls) and down again.
#include "platform/language.h"
#include "platform/startup.h"
#include "platform/system.h"
#include "platform/win32/win32_window.h"

#include <commctrl.h>
#include <mmsystem.h>

namespace {

using DpiAwarenessContextSetter = BOOL(WINAPI*)(HANDLE);

// Each monitor's own DPI where the system knows it, else the system DPI, as the program's
// manifest already asks; looked up by name so the program still starts where the call is
// missing.
void becomeDpiAware()
{
    if (IsProcessDPIAware())
        return;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto setContext = reinterpret_cast<DpiAwarenessContextSetter>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    if (setContext && setContext(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4))))
        return;
    SetProcessDPIAware();
}

}  // namespace

void initialisePlatform(int, char**)
{
    // First of all, so that no session end finds the program unready to keep the game.
    win32backend::handleSessionEnd();
    becomeDpiAware();
    initialiseLanguage(modulePath());
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

void shutDownPlatform()
{
    PlaySoundW(nullptr, nullptr, 0);
    ClipCursor(nullptr);
}
