// One copy per library on Windows: the data folder's named mutex, and a message-only window
// named after the folder through which a later copy asks the first to come to the front.
#include "platform/single_instance.h"

#include "platform/instance_lock.h"
#include "platform/system.h"
#include "platform/win32/win32_window.h"

namespace {

constexpr const wchar_t* listenerClass = L"VELMORA running copy";
constexpr UINT comeForwardMessage = WM_APP + 1;
constexpr DWORD answerWaitMilliseconds = 10000;
constexpr DWORD findRetryMilliseconds = 100;

std::wstring wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

void bringMainWindowForward()
{
    HWND main = win32backend::mainWindowHandle();
    if (!main)
        return;
    if (IsIconic(main))
        ShowWindow(main, SW_RESTORE);
    // An open dialog of the game comes forward with its owner.
    SetForegroundWindow(GetLastActivePopup(main));
}

LRESULT CALLBACK listenerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == comeForwardMessage) {
        bringMainWindowForward();
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void listenForLaterCopies(const std::string& token)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = listenerProcedure;
    windowClass.hInstance = win32backend::programInstance();
    windowClass.lpszClassName = listenerClass;
    RegisterClassExW(&windowClass);
    CreateWindowExW(0, listenerClass, wide(token).c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                    windowClass.hInstance, nullptr);
}

// Finds the first copy's listener, waiting while that copy may still be starting, and asks it
// to come forward; false when it never answers.
bool askFirstCopyToComeForward(const std::string& token)
{
    for (DWORD waited = 0; waited < answerWaitMilliseconds; waited += findRetryMilliseconds) {
        if (HWND listener = FindWindowExW(HWND_MESSAGE, nullptr, listenerClass, wide(token).c_str())) {
            DWORD firstCopy = 0;
            GetWindowThreadProcessId(listener, &firstCopy);
            // This copy was just started by the player, so it may hand the foreground on.
            AllowSetForegroundWindow(firstCopy);
            DWORD_PTR answered = FALSE;
            return SendMessageTimeoutW(listener, comeForwardMessage, 0, 0, SMTO_ABORTIFHUNG,
                                       answerWaitMilliseconds, &answered) != 0 &&
                   answered == TRUE;
        }
        Sleep(findRetryMilliseconds);
    }
    return false;
}

}  // namespace

InstanceClaim claimSingleInstance()
{
    return claimInstance(userDataFolder(), listenForLaterCopies, askFirstCopyToComeForward);
}
