// What both picture decoders share: the file read whole without waiting on a pipe, the pixel
// budget checked against the picture's header, files cut short found, and the size a picture
// is decoded at.
#include "platform/picture_budget.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>
#include <optional>

#include "platform/files.h"
#include "platform/jpeg_check.h"
#include "platform/picture_header.h"

bool readPictureBytes(const std::string& path, std::vector<std::uint8_t>& bytes,
                      PictureError& error)
{
    FileReadOutcome outcome = FileReadOutcome::failed;
    try {
        outcome = readWholeFile(path, bytes, maxPictureFileBytes);
    } catch (const std::bad_alloc&) {
        setPictureError(error, PictureProblem::outOfMemory, path, "not enough memory");
        return false;
    }
    if (outcome == FileReadOutcome::read) {
        if (bytes.empty())
            setPictureError(error, PictureProblem::empty, path, "the file is empty");
        return !bytes.empty();
    }
    // The outcome does not say which of its reasons it was; the file's kind and size do. A
    // folder is not opened at all on Windows, only named.
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    std::error_code failed;
    const std::filesystem::file_status status = std::filesystem::status(name, failed);
    const bool regular = !failed && std::filesystem::is_regular_file(status);
    const bool other = !failed && std::filesystem::exists(status) && !regular;
    if (outcome == FileReadOutcome::cannotOpen && !other)
        setPictureError(error, PictureProblem::cannotOpen, path, "the file cannot be opened");
    else if (regular && std::filesystem::file_size(name, failed) > maxPictureFileBytes && !failed)
        setPictureError(error, PictureProblem::fileTooLarge, path,
                        "the file is larger than " +
                            std::to_string(maxPictureFileBytes >> 20) + " MB");
    else
        setPictureError(error, PictureProblem::notAFile, path, "not a regular file");
    return false;
}

bool checkBeforeDecoding(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         PictureError& error)
{
    if (const std::optional<PictureSize> stated = statedPictureSize(bytes);
        stated && !pictureWithinBudget(path, stated->width, stated->height, error))
        return false;
    if (!pngOrBmpCutShort(bytes))
        return true;
    setPictureError(error, PictureProblem::cutShort, path, "the file is cut short");
    return false;
}

bool jpegWhole(const std::string& path, const std::vector<std::uint8_t>& bytes,
               PictureError& error)
{
    if (!looksLikeJpeg(bytes))
        return true;
    switch (jpegCondition(bytes)) {
    case JpegCondition::whole:
        return true;
    case JpegCondition::cutShort:
        setPictureError(error, PictureProblem::cutShort, path, "the JPEG data is cut short");
        return false;
    case JpegCondition::damaged:
        break;
    }
    setPictureError(error, PictureProblem::damaged, path, "the JPEG data is damaged");
    return false;
}

bool pictureWithinBudget(const std::string& path, int width, int height, PictureError& error)
{
    if (width < 1 || height < 1) {
        setPictureError(error, PictureProblem::notAPicture, path, "the picture has no pixels");
        return false;
    }
    if (static_cast<long long>(width) * height <= maxPicturePixels)
        return true;
    setPictureError(error, PictureProblem::tooManyPixels, path,
                    std::to_string(width) + " x " + std::to_string(height) +
                        " pixels is more than the " + std::to_string(maxPicturePixels) +
                        " pixels a picture may have");
    error.width = width;
    error.height = height;
    return false;
}

PictureSize decodedSize(PictureSize size, long long maxPixels, PictureSize box)
{
    const double width = std::max(size.width, 1);
    const double height = std::max(size.height, 1);
    double scale = std::min(1.0, std::sqrt(static_cast<double>(maxPixels) / (width * height)));
    if (box.width > 0)
        scale = std::min(scale, box.width / width);
    if (box.height > 0)
        scale = std::min(scale, box.height / height);
    if (scale >= 1)
        return size;
    return {std::max(1, static_cast<int>(width * scale)),
            std::max(1, static_cast<int>(height * scale))};
}

void setPictureError(PictureError& error, PictureProblem problem, const std::string& path,
                     const std::string& detail)
{
    error = {};
    error.problem = problem;
    error.message = "cannot read picture " + path + ": " + detail;
}
