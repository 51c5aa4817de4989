// The face dialogs are built with: one that is installed and has the glyphs of the texts, so
// that Windows measures the dialog units and draws the texts with the same face.
#include "platform/win32/dialog_font.h"

#include <windows.h>

#include <string>

#include "platform/language.h"
#include "platform/utf16.h"

namespace {

constexpr const wchar_t* japaneseUiFaces[] = {L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic"};

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool faceInstalled(const std::wstring& face)
{
    if (face.empty() || face.size() >= LF_FACESIZE)
        return false;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The face of message boxes: Segoe UI on current Windows, Tahoma under Wine.
std::wstring systemDialogFace()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != L'\0')
        return metrics.lfMessageFont.lfFaceName;
    return L"MS Shell Dlg 2";
}

}  // namespace

namespace win32backend {

bool dialogTextsJapanese()
{
    const std::string language = languageCode();
    return language.empty() || language == "ja";
}

std::wstring dialogFace(const char* templateFace)
{
    if (!dialogTextsJapanese())
        return systemDialogFace();
    const std::wstring face = utf8ToUtf16(templateFace ? templateFace : "");
    if (faceInstalled(face))
        return face;
    for (const wchar_t* candidate : japaneseUiFaces)
        if (faceInstalled(candidate))
            return candidate;
    return systemDialogFace();
}

}  // namespace win32backend
