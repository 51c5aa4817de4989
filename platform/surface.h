// Software raster: 32-bit surfaces with GDI-style blits, DIB drawing, fills and pixel reads.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

// A 32-bit pixel buffer. Pixels are stored row by row from the top as 0x00RRGGBB (the order
// cairo's RGB24 images use), so a back end can show a surface without converting it; colours
// cross this API as 0x00BBGGRR. `dirty` collects the area drawn since a back end last showed
// the surface (empty when right <= left).
struct Surface {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    Rect dirty;
};

// Raster operations of BitBlt and StretchDIBits: SRCCOPY, SRCPAINT (OR) and SRCAND (AND).
enum class RasterOp { copy, paint, mask };

// STRETCH_DELETESCANS (nearest pixel) or HALFTONE (area average) stretching.
enum class StretchMode { plain, halftone };

// Makes the surface w x h, every pixel the given colour (CreateCompatibleBitmap plus a fill).
void resizeSurface(Surface& surface, int width, int height, Colour fill);

// FillRect with a solid brush: left/top inclusive, right/bottom exclusive, clipped.
void fillRect(Surface& surface, int left, int top, int right, int bottom, Colour colour);

// BitBlt: copies w x h from src at (sx, sy) to dst at (x, y) with op, clipped to both surfaces:
// a destination pixel whose source pixel lies outside src keeps its colour. Copies nothing
// when w or h is zero or negative; overlapping areas of one surface copy correctly.
void copyRect(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
              RasterOp op);

// StretchBlt (with SetStretchBltMode) from one surface to another, combined with op. Plain
// picks the source pixel under each destination pixel's centre, halftone averages the area it
// covers. A negative extent covers origin + extent + 1 .. origin and mirrors the picture when
// the two extents' signs differ. A destination pixel whose centre maps outside src keeps its
// colour.
void stretchRect(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                 int sw, int sh, StretchMode mode, RasterOp op = RasterOp::copy);

// StretchDIBits with DIB_RGB_COLORS. `info` is the 40-byte BITMAPINFOHEADER followed by its
// colour table, `bits` the pixel rows (rows padded to 4 bytes). 1, 4, 8 and 24 bits per pixel,
// uncompressed, bottom-up (positive height) or top-down (negative height). For a bottom-up DIB
// the source rectangle's y is measured from the image's bottom edge, as Windows does: its rows
// are sy .. sy + sh - 1 counted from the bottom, and the topmost destination row shows row
// sy + sh - 1. Stretching, mirroring and clipping as stretchRect; parts of the source
// rectangle outside the image draw nothing. Returns the number of source scan lines (|sh|),
// or 0 for an unsupported format or an empty rectangle.
int drawDib(Surface& dst, int dx, int dy, int dw, int dh, const std::uint8_t* info,
            const std::uint8_t* bits, int sx, int sy, int sw, int sh, RasterOp op,
            StretchMode mode = StretchMode::plain);

// GetPixel: the colour at (x, y), or invalidColour outside the surface.
Colour pixelAt(const Surface& surface, int x, int y);

// The surface's dirty area, cleared (the back end calls this when it shows the surface).
Rect takeDirtyRect(Surface& surface);

// Offset of the pixel rows in a packed DIB: header, then the colour table (colours used, or
// 2^bits for 8 bits or fewer), plus three masks for BI_BITFIELDS.
std::size_t dibPixelOffset(const std::uint8_t* info);
