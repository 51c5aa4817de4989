// A whole puzzle resource made in memory from a decoded picture.
#include "maker/make.h"

#include "maker/label.h"
#include "maker/picture.h"
#include "maker/resource.h"

std::vector<std::uint8_t> makePuzzleResource(const RgbImage& source,
                                             const PuzzleGeometry& geometry,
                                             std::string_view titleUtf8, std::uint32_t seed)
{
    const RgbImage picture = fitPicture(source, geometry.pictureWidth(), geometry.pictureHeight());
    return puzzleResource(geometry, titleUtf8, picture, drawLabel(geometry, seed));
}
