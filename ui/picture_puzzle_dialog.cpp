// The dialog that makes a puzzle from the player's picture: the picture with its thumbnail,
// the number of pieces and the title.
#include "ui/picture_puzzle_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "maker/title_text.h"
#include "platform/dialogs.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/surface.h"
#include "platform/templates.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "ui/shortened_name.h"
#include "ui/picture_refusal.h"

namespace {

constexpr int fileNameId = 1201;
constexpr int browseId = 1202;
constexpr int thumbnailId = 1203;
constexpr int sizesId = 1204;
constexpr int titleId = 1205;
constexpr int lettersNotKeptId = 1206;
constexpr std::uintptr_t IDOK = 1;
constexpr std::uintptr_t IDCANCEL = 2;
constexpr int preferredPieces = 48;

constexpr const char* noPictureText = "画像ファイルを選んでください";
constexpr const char* tooSmallText =
    "画像が小さすぎてパズルにできません。もっと大きな画像を選んでください";
// Shown under the title while it has letters the puzzle cannot keep.
constexpr const char* lettersNotKeptText = "残せない文字: %s";
constexpr const char* droppedLetterText = "（なし）";

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

// One entry of the list of piece counts with the assembled picture's size in pixels:
// "500 ピース（26 × 19）1248 × 912".
std::string sizeEntryText(const SizeChoice& size, const RgbImage& picture)
{
    const PuzzleGeometry geometry = geometryForChoice(size, picture.width, picture.height);
    char text[128];
    std::snprintf(text, sizeof text, translate("%d ピース（%d × %d）%d × %d"), size.pieces(),
                  size.columns, size.rows, geometry.pictureWidth(), geometry.pictureHeight());
    return text;
}

// The piece counts the picture can make, the one nearest to the last choice chosen.
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
        const std::string text = sizeEntryText(size, dialogState.picture);
        sendDlgItemMessage(dialog, sizesId, CB_ADDSTRING, 0,
                           reinterpret_cast<std::intptr_t>(text.c_str()));
        if (std::abs(size.pieces() - wanted) <
            std::abs(dialogState.sizes[nearest].pieces() - wanted))
            nearest = static_cast<int>(i);
    }
    sendDlgItemMessage(dialog, sizesId, CB_SETCURSEL, static_cast<std::uintptr_t>(nearest), 0);
}

// The character cells of a label of the dialog: a dialog unit is a quarter of the font's
// average letter, a Japanese letter two of those; one cell spare for letters wider than the
// average.
int labelCells(int controlId)
{
    int widthUnits = 0;
    if (const DialogTemplate* layout = findDialogTemplate(picturePuzzleDialogId))
        for (const ControlTemplate& control : layout->controls)
            if (control.id == controlId)
                widthUnits = control.width;
    return widthUnits / 4 - 1;
}

// The picture's file name in its label, shortened in the middle when the label is too narrow.
void showFileName(Window* dialog, const std::string& name)
{
    setDlgItemText(dialog, fileNameId, shortenedInMiddle(name, labelCells(fileNameId)).c_str());
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
    if (sizeChoices(picture.width, picture.height).empty()) {
        messageBox(dialog, tooSmallText);
        return;
    }
    const std::filesystem::path path = pathFromUtf8(*chosen);
    dialogState.path = *chosen;
    dialogState.picture = std::move(picture);
    dialogState.thumbnail =
        thumbnailOf(dialogState.picture, dialogItemRect(dialog, thumbnailId));
    showFileName(dialog, utf8FromPath(path.filename()));
    setDlgItemText(dialog, titleId, utf8FromPath(path.stem()).c_str());
    fillSizes(dialog);
    invalidateWindow(dialog, false);
}

// Under the title, as the player types it: the letters the puzzle cannot keep and what each
// becomes ("残せない文字: é→e 한→?"), shortened to the label; nothing when all are kept.
void showLettersNotKept(Window* dialog)
{
    const KeptTitle kept = keptTitle(getDlgItemText(dialog, titleId));
    std::string notice;
    if (!kept.replaced.empty()) {
        std::string list;
        for (const auto& [letter, plain] : kept.replaced)
            list += (list.empty() ? "" : " ") + letter + "→" +
                    (plain.empty() ? std::string(translate(droppedLetterText)) : plain);
        notice = shortenedInMiddle(translateWith(lettersNotKeptText, list),
                                   labelCells(lettersNotKeptId));
    }
    setDlgItemText(dialog, lettersNotKeptId, notice.c_str());
}

// OK: the choice is taken when a picture is there, the title as the puzzle keeps it.
void accept(Window* dialog)
{
    const int index = static_cast<int>(sendDlgItemMessage(dialog, sizesId, CB_GETCURSEL, 0, 0));
    if (dialogState.picture.width == 0 || index < 0 ||
        index >= static_cast<int>(dialogState.sizes.size())) {
        messageBox(dialog, noPictureText);
        return;
    }
    dialogState.choice =
        PicturePuzzleChoice{std::move(dialogState.picture), dialogState.sizes[index],
                            keptTitle(getDlgItemText(dialog, titleId)).text};
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
        case titleId:
            if (((wParam >> 16) & 0xFFFF) == EN_CHANGE)
                showLettersNotKept(dialog);
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
