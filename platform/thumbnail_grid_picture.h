// The picture a thumbnail grid shows for an item, always of the grid's one picture size.
#pragma once

#include "platform/picture_file.h"

// The item's own picture when it is exactly thumbnailGridPictureWidth x
// thumbnailGridPictureHeight with all its pixels, else a white picture of that size: a grid's
// pictures share one size (a list view's image list would cut a wider one into several).
const RgbImage& thumbnailGridPicture(const RgbImage& picture);
