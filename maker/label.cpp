// The label image: jigsaw-shaped piece regions in four alternating colours inside a white
// border with a black frame line.
#include "maker/label.h"

#include <vector>

#include "platform/system.h"
#include "maker/knob.h"

namespace {

// Cell of every picture pixel, -1 outside the puzzle area; a cell is named by its piece index.
struct CellMap {
    int width = 0;
    std::vector<int> cells;

    int& at(int x, int y) { return cells[static_cast<std::size_t>(y) * width + x]; }
};

// Starts from the straight grid: each cell is cellStep square, centred on its piece's box.
CellMap straightCells(const PuzzleGeometry& geometry)
{
    CellMap map;
    map.width = geometry.pictureWidth();
    map.cells.assign(static_cast<std::size_t>(map.width) * geometry.pictureHeight(), -1);
    for (int y = geometry.areaTop(); y < geometry.areaBottom(); ++y)
        for (int x = geometry.areaLeft(); x < geometry.areaRight(); ++x) {
            const int column = (x - geometry.areaLeft()) / geometry.cellStep();
            const int row = (y - geometry.areaTop()) / geometry.cellStep();
            map.at(x, y) = row * geometry.columns + column;
        }
    return map;
}

// Puts a knob on the edge between cell first (left or above) and cell second (right or
// below). The edge starts at (edgeX, edgeY) and runs down when vertical, right otherwise.
// The knob keeps margin / 2 pixels away from the edge's ends, farther than any knob
// reaches, so knobs of different edges never share a pixel and each pixel is set once.
void addKnob(CellMap& map, const PuzzleGeometry& geometry, bool vertical, int edgeX, int edgeY,
             int first, int second)
{
    const int edgeLength = geometry.cellStep();
    const int keepOff = geometry.margin / 2;
    const KnobShape knob =
        randomKnob(edgeLength, keepOff, edgeLength - keepOff, geometry.maxKnobDepth());
    const bool intoSecond = nextRandom() % 2 == 0;
    const int owner = intoSecond ? first : second;
    const std::vector<KnobSpan> spans = rasteriseKnob(knob);
    for (int level = 0; level < static_cast<int>(spans.size()); ++level) {
        const int across = intoSecond ? level : -1 - level;
        for (int along = spans[level].first; along < spans[level].end; ++along) {
            if (vertical)
                map.at(edgeX + across, edgeY + along) = owner;
            else
                map.at(edgeX + along, edgeY + across) = owner;
        }
    }
}

void addKnobs(CellMap& map, const PuzzleGeometry& geometry)
{
    const int step = geometry.cellStep();
    for (int row = 0; row < geometry.rows; ++row)
        for (int column = 0; column < geometry.columns; ++column) {
            const int piece = row * geometry.columns + column;
            const int left = geometry.areaLeft() + column * step;
            const int top = geometry.areaTop() + row * step;
            if (column + 1 < geometry.columns)
                addKnob(map, geometry, true, left + step, top, piece, piece + 1);
            if (row + 1 < geometry.rows)
                addKnob(map, geometry, false, left, top + step, piece, piece + geometry.columns);
        }
}

// The frame line runs one pixel outside the puzzle area.
bool onFrameLine(const PuzzleGeometry& geometry, int x, int y)
{
    const int left = geometry.areaLeft() - 1;
    const int top = geometry.areaTop() - 1;
    const int right = geometry.areaRight();
    const int bottom = geometry.areaBottom();
    const bool withinX = x >= left && x <= right;
    const bool withinY = y >= top && y <= bottom;
    return (withinY && (x == left || x == right)) || (withinX && (y == top || y == bottom));
}

}  // namespace

const std::array<std::uint32_t, 16>& labelPalette()
{
    // The sixteen colours of the classic 4-bit display palette.
    static const std::array<std::uint32_t, 16> palette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return palette;
}

std::uint8_t pieceColour(int column, int row)
{
    static const std::uint8_t colours[4] = {9, 10, 12, 11};  // red, green, blue, yellow
    return colours[column % 2 + 2 * (row % 2)];
}

LabelImage drawLabel(const PuzzleGeometry& geometry, std::uint32_t seed)
{
    seedRandom(seed);
    CellMap map = straightCells(geometry);
    addKnobs(map, geometry);

    LabelImage label;
    label.width = geometry.pictureWidth();
    label.height = geometry.pictureHeight();
    label.pixels.assign(map.cells.size(), labelWhite);
    for (int y = 0; y < label.height; ++y)
        for (int x = 0; x < label.width; ++x) {
            const int cell = map.at(x, y);
            std::uint8_t& pixel = label.pixels[static_cast<std::size_t>(y) * label.width + x];
            if (cell >= 0)
                pixel = pieceColour(cell % geometry.columns, cell / geometry.columns);
            else if (onFrameLine(geometry, x, y))
                pixel = labelBlack;
        }
    return label;
}
