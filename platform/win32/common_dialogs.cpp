// Message boxes and questions, the colour dialog, the save and open dialogs and the browser.
#include <string>

#include "platform/files.h"
#include "platform/language.h"
#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

using win32backend::isLive;

namespace {

HWND handleOf(Window* window)
{
    return isLive(window) ? window->hwnd : nullptr;
}

// "name\0pattern\0 ... \0\0", as OPENFILENAME takes its filters.
std::wstring filterList(const std::vector<FileFilter>& filters)
{
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += utf8ToUtf16(translate(filter.name.c_str()));
        list += L'\0';
        list += utf8ToUtf16(filter.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

std::optional<std::string> runFileDialog(Window* owner, const FileDialogRequest& request,
                                         bool saving)
{
    std::wstring buffer = utf8ToUtf16(request.fileName);
    buffer.resize(maxPathChars, L'\0');
    const std::wstring filters = filterList(request.filters);
    const std::wstring title = utf8ToUtf16(translate(request.title.c_str()));
    const std::wstring extension = utf8ToUtf16(request.defaultExtension);
    // request.picturePreview needs nothing here: the dialog's own view shows thumbnails.
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = handleOf(owner);
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // A name without a folder starts in the current folder: left to itself the dialog would
    // start in whatever folder any dialog of the program used last (the Pictures folder of a
    // finished picture, say), and a play file would be saved among the pictures.
    std::wstring currentFolder(maxPathChars, L'\0');
    if (request.fileName.find_first_of("\\/") == std::string::npos) {
        currentFolder.resize(GetCurrentDirectoryW(maxPathChars, currentFolder.data()));
        if (!currentFolder.empty() && currentFolder.size() < maxPathChars)
            dialog.lpstrInitialDir = currentFolder.c_str();
    }
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (request.overwritePrompt)
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (request.fileMustExist)
        dialog.Flags |= OFN_FILEMUSTEXIST;
    const BOOL chosen = saving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return std::nullopt;
    return utf16ToUtf8(buffer.c_str());
}

// Message boxes open over their owner: the system would centre them on the screen. A hook of
// the thread moves the box when it is first activated, before it is seen.
HWND messageBoxOwner = nullptr;
HHOOK messageBoxHook = nullptr;

LRESULT CALLBACK placeMessageBox(int code, WPARAM wParam, LPARAM lParam)
{
    const auto activated = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && messageBoxHook &&
        GetWindow(activated, GW_OWNER) == messageBoxOwner) {
        UnhookWindowsHookEx(messageBoxHook);
        messageBoxHook = nullptr;
        win32backend::placeOverOwner(activated, messageBoxOwner);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int ownedMessageBox(Window* owner, const char* text, const char* caption, UINT type)
{
    messageBoxOwner = handleOf(owner);
    if (messageBoxOwner && !messageBoxHook)
        messageBoxHook =
            SetWindowsHookExW(WH_CBT, placeMessageBox, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(messageBoxOwner, utf8ToUtf16(translate(text)).c_str(),
                                   utf8ToUtf16(translate(caption)).c_str(), type);
    if (messageBoxHook) {
        UnhookWindowsHookEx(messageBoxHook);
        messageBoxHook = nullptr;
    }
    return answer;
}

}  // namespace

namespace win32backend {

// A page of our own goes to the shell as a path, which it opens with the browser.
std::wstring shellTarget(const char* url)
{
    std::wstring target = utf8ToUtf16(url);
    if (target.starts_with(L"file:")) {
        std::wstring path(maxPathChars, L'\0');
        DWORD length = static_cast<DWORD>(path.size());
        if (PathCreateFromUrlW(target.c_str(), path.data(), &length, 0) == S_OK)
            target = path.c_str();
    }
    return target;
}

}  // namespace win32backend

void messageBox(Window* owner, const char* text)
{
    ownedMessageBox(owner, text ? text : "", "エラー", MB_OK);
}

bool askYesNo(Window* owner, const char* caption, const char* text)
{
    return ownedMessageBox(owner, text ? text : "", caption ? caption : "",
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

bool chooseColour(Window* owner, Colour& colour, Colour customColours[16])
{
    COLORREF custom[16];
    for (int slot = 0; slot < 16; ++slot)
        custom[slot] = customColours[slot];
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = handleOf(owner);
    dialog.rgbResult = colour;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT;
    const bool chosen = ChooseColorW(&dialog);
    // The custom colours the player edited are kept even when the dialog is cancelled.
    for (int slot = 0; slot < 16; ++slot)
        customColours[slot] = static_cast<Colour>(custom[slot]);
    if (chosen)
        colour = static_cast<Colour>(dialog.rgbResult);
    return chosen;
}

bool openUrl(const char* url)
{
    // ShellExecuteW answers a value above 32 when it started a program for the target.
    return url && reinterpret_cast<INT_PTR>(ShellExecuteW(
                      nullptr, L"open", win32backend::shellTarget(url).c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL)) > 32;
}

std::optional<std::string> runSaveFileDialog(Window* owner, const FileDialogRequest& request)
{
    return runFileDialog(owner, request, true);
}

std::optional<std::string> runOpenFileDialog(Window* owner, const FileDialogRequest& request)
{
    return runFileDialog(owner, request, false);
}
