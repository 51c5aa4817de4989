// The dialog that makes a puzzle from the player's picture: the picture with its thumbnail,
// the number of pieces and the title.
#include "ui/picture_puzzle_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/dialogs.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "ui/picture_refusal.h"

namespace {

constexpr int fileNameId = 1201;
constexpr int browseId = 1202;
constexpr int thumbnailId = 1203;
constexpr int sizesId = 1204;
constexpr int titleId = 1205;
constexpr std::uintptr_t IDOK = 1;
constexpr std::uintptr_t IDCANCEL = 2;
constexpr int preferredPieces = 48;

constexpr const char* noPictureText = "画像ファイルを選んでください";
constexpr const char* tooSmallText =
    "画像が小さすぎます。ピース数を減らすか、大きな画像を選んでください";

// The dialog's state while it is shown.
struct DialogState {
    std::string path;
    RgbImage picture;
    RgbImage thumbnail;
    std::vector<SizeChoice> sizes;
    std::optional<PicturePuzzleChoice> choice;
};
DialogState dialogState;

const FileFilter allFilesFilter{"All Files(*.*)", "*.*"};

int rectWidth(const Rect& rect) { return rect.right - rect.left; }
int rectHeight(const Rect& rect) { return rect.bottom - rect.top; }

// The whole picture scaled to fit the thumbnail area, proportions kept.
RgbImage thumbnailOf(const RgbImage& picture, const Rect& area)
{
    const long long width = picture.width;
    const long long height = picture.height;
    int toWidth = rectWidth(area);
    int toHeight = static_cast<int>(height * toWidth / width);
    if (toHeight > rectHeight(area)) {
        toHeight = rectHeight(area);
        toWidth = static_cast<int>(width * toHeight / height);
    }
    return scalePicturePart(picture, 0, 0, picture.width, picture.height, std::max(toWidth, 1),
                            std::max(toHeight, 1));
}

void paintThumbnail(Window* dialog)
{
    const Rect area = dialogItemRect(dialog, thumbnailId);
    Surface& surface = clientSurface(dialog);
    fillRect(surface, area.left, area.top, area.right, area.bottom, makeColour(0x80, 0x80, 0x80));
    const RgbImage& thumbnail = dialogState.thumbnail;
    const int left = area.left + (rectWidth(area) - thumbnail.width) / 2;
    const int top = area.top + (rectHeight(area) - thumbnail.height) / 2;
    for (int y = 0; y < thumbnail.height; ++y)
        for (int x = 0; x < thumbnail.width; ++x) {
            const std::uint8_t* rgb =
                &thumbnail.rgb[(static_cast<std::size_t>(y) * thumbnail.width + x) * 3];
            fillRect(surface, left + x, top + y, left + x + 1, top + y + 1,
                     makeColour(rgb[0], rgb[1], rgb[2]));
        }
}

// "48 ピース（8 × 6）" for every size, the one nearest to the last choice chosen.
void fillSizes(Window* dialog)
{
    const int previous =
        static_cast<int>(sendDlgItemMessage(dialog, sizesId, CB_GETCURSEL, 0, 0));
    const int wanted = previous >= 0 && previous < static_cast<int>(dialogState.sizes.size())
                           ? dialogState.sizes[previous].pieces()
                           : preferredPieces;
    dialogState.sizes = sizeChoices(dialogState.picture.width, dialogState.picture.height);
    sendDlgItemMessage(dialog, sizesId, CB_RESETCONTENT, 0, 0);
    int nearest = 0;
    for (std::size_t i = 0; i < dialogState.sizes.size(); ++i) {
        const SizeChoice& size = dialogState.sizes[i];
        char text[96];
        std::snprintf(text, sizeof text, translate("%d ピース（%d × %d）"), size.pieces(),
                      size.columns, size.rows);
        sendDlgItemMessage(dialog, sizesId, CB_ADDSTRING, 0,
                           reinterpret_cast<std::intptr_t>(text));
        if (std::abs(size.pieces() - wanted) <
            std::abs(dialogState.sizes[nearest].pieces() - wanted))
            nearest = static_cast<int>(i);
    }
    sendDlgItemMessage(dialog, sizesId, CB_SETCURSEL, static_cast<std::uintptr_t>(nearest), 0);
}

void choosePicture(Window* dialog)
{
    FileDialogRequest request;
    request.title = "画像を選ぶ";
    // Every kind of picture the decoder reads, as it says.
    request.filters = {{"画像ファイル", pictureFilePatterns()}, allFilesFilter};
    request.fileName = dialogState.path;
    request.fileMustExist = true;
    request.picturePreview = true;
    const std::optional<std::string> chosen = runOpenFileDialog(dialog, request);
    if (!chosen)
        return;
    RgbImage picture;
    PictureError error;
    if (!readPictureFile(*chosen, picture, error)) {
        messageBox(dialog, pictureRefusalText(error).c_str());
        return;
    }
    const std::filesystem::path path(*chosen);
    dialogState.path = *chosen;
    dialogState.picture = std::move(picture);
    dialogState.thumbnail =
        thumbnailOf(dialogState.picture, dialogItemRect(dialog, thumbnailId));
    setDlgItemText(dialog, fileNameId, path.filename().string().c_str());
    setDlgItemText(dialog, titleId, path.stem().string().c_str());
    fillSizes(dialog);
    invalidateWindow(dialog, false);
}

// OK: the choice is taken when the picture is there and large enough for the pieces.
void accept(Window* dialog)
{
    const int index = static_cast<int>(sendDlgItemMessage(dialog, sizesId, CB_GETCURSEL, 0, 0));
    if (dialogState.picture.width == 0 || index < 0 ||
        index >= static_cast<int>(dialogState.sizes.size())) {
        messageBox(dialog, noPictureText);
        return;
    }
    const SizeChoice size = dialogState.sizes[index];
    if (!pictureLargeEnough(dialogState.picture.width, dialogState.picture.height, size)) {
        messageBox(dialog, tooSmallText);
        return;
    }
    dialogState.choice =
        PicturePuzzleChoice{std::move(dialogState.picture), size, getDlgItemText(dialog, titleId)};
    endDialog(dialog, 1);
}

std::intptr_t picturePuzzleDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t)
{
    switch (message) {
    case WM_INITDIALOG:
        return 1;
    case WM_PAINT:
        paintThumbnail(dialog);
        return 1;
    case WM_COMMAND:
        switch (wParam & 0xFFFF) {
        case browseId:
            choosePicture(dialog);
            return 1;
        case IDOK:
            accept(dialog);
            return 1;
        case IDCANCEL:
            endDialog(dialog, 0);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

}  // namespace

std::optional<PicturePuzzleChoice> askForPicturePuzzle()
{
    dialogState = {};
    runModalDialog(picturePuzzleDialogId, getMainWindow(), picturePuzzleDialogProc, 0);
    std::optional<PicturePuzzleChoice> choice = std::move(dialogState.choice);
    dialogState = {};
    return choice;
}
