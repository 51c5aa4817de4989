// Thumbnail grids of Win32 dialogs: a list view of icons from an image list of the grid's
// picture size at the monitor's DPI, telling the dialog procedure of the player's selections,
// activations and Delete as WM_COMMAND.
#include <string>

#include "platform/thumbnail_grid_picture.h"
#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

#include <commctrl.h>

using win32backend::isLive;

namespace {

// The grid's list view, or null when the dialog has no grid of that id.
HWND findGrid(Window* dialog, int controlId)
{
    if (!isLive(dialog) || !dialog->layout)
        return nullptr;
    for (const ControlTemplate& control : dialog->layout->controls)
        if (control.id == controlId && control.kind == ControlKind::thumbnailGrid)
            return GetDlgItem(dialog->hwnd, controlId);
    return nullptr;
}

int selectedItem(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         LVNI_SELECTED));
}

void tell(Window* dialog, int controlId, unsigned code)
{
    dialog->proc(dialog, WM_COMMAND,
                 (static_cast<std::uintptr_t>(controlId) & 0xFFFFu) |
                     (std::uintptr_t{code} << 16),
                 0);
}

// A bitmap the image list takes: 24 bits, rows from the top, blue first.
HBITMAP newBitmap(int width, int height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// The picture as a bitmap of its own size.
HBITMAP bitmapOf(const RgbImage& picture)
{
    void* bits = nullptr;
    HBITMAP bitmap = newBitmap(picture.width, picture.height, &bits);
    if (!bitmap)
        return nullptr;
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* from = picture.rgb.data() + static_cast<std::size_t>(y) * rowBytes;
        std::uint8_t* to = rows + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < picture.width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return bitmap;
}

// The picture stretched (averaging) to width x height, or as it is at its own size.
HBITMAP scaledBitmapOf(const RgbImage& picture, int width, int height)
{
    HBITMAP own = bitmapOf(picture);
    if (!own || (width == picture.width && height == picture.height))
        return own;
    void* bits = nullptr;
    HBITMAP scaled = newBitmap(width, height, &bits);
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    if (scaled && from && to) {
        HGDIOBJ oldFrom = SelectObject(from, own);
        HGDIOBJ oldTo = SelectObject(to, scaled);
        SetStretchBltMode(to, HALFTONE);
        SetBrushOrgEx(to, 0, 0, nullptr);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, picture.width, picture.height, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    if (from)
        DeleteDC(from);
    if (to)
        DeleteDC(to);
    DeleteObject(own);
    return scaled;
}

// The grid's pictures grow with the DPI of its monitor, as the captions' text under them does.
int pictureLengthAt(int length, unsigned dpi)
{
    return MulDiv(length, static_cast<int>(dpi), 96);
}

// The grid's image list for the DPI, made when there is none or it has another picture size,
// with room around each item for two lines of its caption (the list view shows two lines of an
// item that does not have the focus).
HIMAGELIST imageList(HWND list, unsigned dpi)
{
    const int width = pictureLengthAt(thumbnailGridPictureWidth, dpi);
    const int height = pictureLengthAt(thumbnailGridPictureHeight, dpi);
    auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    int shownWidth = 0;
    int shownHeight = 0;
    if (images && ImageList_GetIconSize(images, &shownWidth, &shownHeight) &&
        shownWidth == width && shownHeight == height)
        return images;
    images = ImageList_Create(width, height, ILC_COLOR24, 8, 8);
    if (!images)
        return nullptr;
    if (auto old = reinterpret_cast<HIMAGELIST>(
            SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images))))
        ImageList_Destroy(old);
    TEXTMETRICW metrics{};
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    const int margin = pictureLengthAt(16, dpi);
    SendMessageW(list, LVM_SETICONSPACING, 0,
                 MAKELPARAM(width + margin, height + 2 * metrics.tmHeight + margin));
    return images;
}

// Selects the item, gives it the keyboard's focus and scrolls it into view.
void selectAndShow(HWND list, int index)
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (index < 0 || index >= count)
        return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

int itemTop(HWND list, int index)
{
    POINT position{};
    SendMessageW(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&position));
    return position.y;
}

// Right (step 1) or Left (-1) without Shift or Ctrl: when the neighbouring item in that
// direction lies on another row the list view stays where it is, and the dialog is posted
// gridRowStep to go there once the list view has handled the key.
void noteRowStep(Window* dialog, HWND list, int controlId, int step)
{
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0)
        return;
    const int focused = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    const int target = focused + step;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (focused < 0 || target < 0 || target >= count)
        return;
    if (itemTop(list, target) != itemTop(list, focused))
        PostMessageW(dialog->hwnd, win32backend::gridRowStep, static_cast<WPARAM>(controlId),
                     static_cast<LPARAM>(target));
}

// The grid's item pictures put into its image list at the DPI, one image per item in order.
void fillImageList(HWND list, HIMAGELIST images, const std::vector<RgbImage>& pictures,
                   unsigned dpi)
{
    ImageList_RemoveAll(images);
    const int width = pictureLengthAt(thumbnailGridPictureWidth, dpi);
    const int height = pictureLengthAt(thumbnailGridPictureHeight, dpi);
    for (const RgbImage& picture : pictures) {
        HBITMAP bitmap = scaledBitmapOf(picture, width, height);
        if (!bitmap)
            break;  // the items from here on show no picture rather than another item's
        ImageList_Add(images, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

namespace win32backend {

bool forwardGridNotification(Window* dialog, const NMHDR& notice)
{
    const int id = static_cast<int>(notice.idFrom);
    if (!findGrid(dialog, id) || notice.hwndFrom != GetDlgItem(dialog->hwnd, id))
        return false;
    switch (notice.code) {
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
        if ((change.uChanged & LVIF_STATE) &&
            ((change.uNewState ^ change.uOldState) & LVIS_SELECTED))
            PostMessageW(dialog->hwnd, gridSelectionCheck, static_cast<WPARAM>(id), 0);
        break;
    }
    case LVN_ITEMACTIVATE:
        tell(dialog, id, TGN_ACTIVATE);
        break;
    case LVN_KEYDOWN:
        switch (reinterpret_cast<const NMLVKEYDOWN&>(notice).wVKey) {
        case VK_DELETE:
            tell(dialog, id, TGN_DELETE);
            break;
        case VK_RIGHT:
            noteRowStep(dialog, notice.hwndFrom, id, 1);
            break;
        case VK_LEFT:
            noteRowStep(dialog, notice.hwndFrom, id, -1);
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return true;
}

void stepGridAcrossRows(Window* dialog, int controlId, int index)
{
    // The change of selection is told as the player's, through gridSelectionCheck.
    if (HWND list = findGrid(dialog, controlId))
        selectAndShow(list, index);
}

void checkGridSelection(Window* dialog, int controlId)
{
    HWND list = findGrid(dialog, controlId);
    if (!list)
        return;
    const int selected = selectedItem(list);
    auto known = dialog->knownGridSelections.try_emplace(controlId, -1).first;
    if (known->second == selected)
        return;
    known->second = selected;
    tell(dialog, controlId, TGN_SELCHANGE);
}

void fitGridsToDpi(Window* dialog, unsigned dpi)
{
    for (const auto& [controlId, pictures] : dialog->gridPictures)
        if (HWND list = findGrid(dialog, controlId))
            if (HIMAGELIST images = imageList(list, dpi))
                fillImageList(list, images, pictures, dpi);
}

}  // namespace win32backend

void setThumbnailGridItems(Window* dialog, int controlId, std::span<const ThumbnailGridItem> items)
{
    HWND list = findGrid(dialog, controlId);
    if (!list)
        return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    // The pictures are kept to be made again at another DPI.
    std::vector<RgbImage>& pictures = dialog->gridPictures[controlId];
    pictures.clear();
    for (const ThumbnailGridItem& item : items)
        pictures.push_back(thumbnailGridPicture(item.picture));
    const unsigned dpi = win32backend::dpiOfWindow(list);
    if (HIMAGELIST images = imageList(list, dpi))
        fillImageList(list, images, pictures, dpi);
    int index = 0;
    for (const ThumbnailGridItem& item : items) {
        // The list view breaks a caption's lines where Windows text has them.
        std::wstring text = utf8ToUtf16(win32backend::withWindowsLineBreaks(item.caption));
        LVITEMW entry{};
        entry.mask = LVIF_TEXT | LVIF_IMAGE;
        entry.iImage = index;
        entry.iItem = index++;
        entry.pszText = text.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    }
    dialog->knownGridSelections[controlId] = selectedItem(list);
}

int thumbnailGridSelection(Window* dialog, int controlId)
{
    HWND list = findGrid(dialog, controlId);
    return list ? selectedItem(list) : -1;
}

void selectThumbnailGridItem(Window* dialog, int controlId, int index)
{
    HWND list = findGrid(dialog, controlId);
    if (!list)
        return;
    selectAndShow(list, index);
    dialog->knownGridSelections[controlId] = selectedItem(list);
}
