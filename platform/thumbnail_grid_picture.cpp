// The picture a thumbnail grid shows for an item, always of the grid's one picture size.
#include "platform/thumbnail_grid_picture.h"

#include <cstddef>

#include "platform/dialogs.h"

const RgbImage& thumbnailGridPicture(const RgbImage& picture)
{
    constexpr std::size_t bytes =
        std::size_t{thumbnailGridPictureWidth} * thumbnailGridPictureHeight * 3;
    if (picture.width == thumbnailGridPictureWidth &&
        picture.height == thumbnailGridPictureHeight && picture.rgb.size() == bytes)
        return picture;
    static const RgbImage white{thumbnailGridPictureWidth, thumbnailGridPictureHeight,
                                std::vector<std::uint8_t>(bytes, 0xFF)};
    return white;
}
