// Fits a picture to the puzzle: centred crop to the puzzle's proportions, then a filtered scale
// to the exact picture size.
#include "maker/picture.h"

#include <algorithm>

RgbImage fitPicture(const RgbImage& picture, int width, int height)
{
    // Crop: keep the full height when the picture is wider than the puzzle, else the full width.
    const long long sourceWidth = picture.width;
    const long long sourceHeight = picture.height;
    int cropWidth = picture.width;
    int cropHeight = picture.height;
    if (sourceWidth * height > sourceHeight * width)
        cropWidth = static_cast<int>((sourceHeight * width + height / 2) / height);
    else
        cropHeight = static_cast<int>((sourceWidth * height + width / 2) / width);
    cropWidth = std::max(cropWidth, 1);
    cropHeight = std::max(cropHeight, 1);
    return scalePicturePart(picture, (picture.width - cropWidth) / 2,
                            (picture.height - cropHeight) / 2, cropWidth, cropHeight, width,
                            height);
}
