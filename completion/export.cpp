// The export of the finished picture after the player's choice of file.
#include "completion/export.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "completion/composition.h"
#include "completion/picture_files.h"
#include "completion/picture_name.h"
#include "platform/dialogs.h"
#include "platform/language.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "platform/wallpaper.h"
#include "puzzle/puzzle_title.h"
#include "puzzle/state.h"

namespace {

constexpr const char* cannotOpenText = "出力ファイルが開けません";
constexpr const char* unknownExtensionText = "この拡張子では保存できません（.bmp か .jpg）";
constexpr const char* wallpaperFailedText = "壁紙を設定できませんでした";
constexpr const char* untitledPictureText = "完成画像";

// The puzzle's title as a BMP file in the player's Pictures folder.
std::string proposedPicturePath()
{
    const std::string name =
        pictureFileStem(titleOfPuzzleInPlay(), translate(untitledPictureText)) + ".bmp";
    return utf8FromPath(pathFromUtf8(picturesFolder()) / pathFromUtf8(name));
}

// Runs the save dialog, proposing `typed`: the path the player chose last time round.
std::optional<std::string> askForFile(bool wallpaper, const std::string& typed)
{
    FileDialogRequest request;
    request.title = "完成画像を保存する";
    request.fileName = typed;
    request.filters.push_back({"BITMAP files(*.bmp)", "*.bmp"});
    if (!wallpaper)
        request.filters.push_back({"JPEG files(*.jpg)", "*.jpg"});
    request.defaultExtension = "bmp";
    request.overwritePrompt = true;
    return runSaveFileDialog(getMainWindow(), request);
}

// The extension in lower case, with "jpeg" counted as "jpg".
std::string pictureExtension(const std::string& path)
{
    std::string extension = fileExtension(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "jpeg" ? "jpg" : extension;
}

// Tells the player when the file could not be written; answers whether it was.
bool reportWrite(FileWriteOutcome outcome)
{
    if (outcome != FileWriteOutcome::written)
        messageBox(getMainWindow(), cannotOpenText);
    return outcome == FileWriteOutcome::written;
}

bool saveAsWallpaper(const std::string& path, const std::vector<std::uint8_t>& pixels)
{
    if (!reportWrite(writeBmpFile(path, pixels, finishedWidth(), finishedHeight())))
        return false;
    // The desktop needs the full path; the file stays even when the desktop refuses it.
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(pathFromUtf8(path), error);
    if (!setDesktopWallpaper(error ? path : utf8FromPath(full)))
        messageBox(getMainWindow(), wallpaperFailedText);
    return true;
}

bool saveByExtension(const std::string& path, const std::vector<std::uint8_t>& pixels)
{
    const std::string extension = pictureExtension(path);
    if (extension == "bmp")
        return reportWrite(writeBmpFile(path, pixels, finishedWidth(), finishedHeight()));
    if (extension == "jpg")
        return reportWrite(writeJpegFile(path, pixels, finishedWidth(), finishedHeight()));
    messageBox(getMainWindow(), unknownExtensionText);
    return false;
}

}  // namespace

std::vector<std::uint8_t> captureFinishedPixels(const Surface& finishedCanvas)
{
    std::vector<std::uint8_t> pixels(3 * static_cast<std::size_t>(finishedWidth()) *
                                     static_cast<std::size_t>(finishedHeight()));
    const int area = puzzleAreaOffset();
    for (int y = 0; y < finishedHeight(); ++y) {
        // Whole rows at a time: the canvas holds 0x00RRGGBB words, the file blue, green, red.
        const std::uint32_t* row = &finishedCanvas.pixels[static_cast<std::size_t>(area + y) *
                                                              finishedCanvas.width + area];
        std::uint8_t* pixel = pixels.data() + exportOffset(0, y);
        for (int x = 0; x < finishedWidth(); ++x, pixel += 3) {
            pixel[0] = static_cast<std::uint8_t>(row[x]);
            pixel[1] = static_cast<std::uint8_t>(row[x] >> 8);
            pixel[2] = static_cast<std::uint8_t>(row[x] >> 16);
        }
    }
    return pixels;
}

void exportFinishedPicture(const Surface& finishedCanvas, bool wallpaper)
{
    const std::vector<std::uint8_t> finishedPixels = captureFinishedPixels(finishedCanvas);
    // A refused name or a failed write brings the dialog back with that name: the picture is
    // given up only when the player cancels.
    std::string typed = proposedPicturePath();
    while (const std::optional<std::string> path = askForFile(wallpaper, typed)) {
        typed = *path;
        if (wallpaper ? saveAsWallpaper(*path, finishedPixels)
                      : saveByExtension(*path, finishedPixels))
            return;
    }
}
