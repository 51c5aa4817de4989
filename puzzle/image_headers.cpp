// The silhouette mask's row and block sizes.
#include "puzzle/image_headers.h"

#include <algorithm>

#include "puzzle/state.h"

std::size_t maskRowBytes()
{
    return static_cast<std::size_t>((getSheetWidth() + getMaskRowPad()) / 2);
}

std::size_t maskBlockSize()
{
    const std::size_t header = 40 + 8;
    const std::size_t rows = maskRowBytes() * static_cast<std::size_t>(getSheetHeight());
    // A play file copies (sheetWidth div 2 x 2) x sheetHeight bytes after the header.
    const std::size_t copied = static_cast<std::size_t>(getSheetWidth() / 2 * 2) *
                               static_cast<std::size_t>(getSheetHeight());
    return header + std::max(rows, copied);
}
