// Puzzle geometry of the maker: piece grid, box sizes and the picture size derived from them.
#pragma once

struct PuzzleGeometry {
    int columns = 3;
    int rows = 4;
    int core = 40;
    int margin = 80;

    int cellStep() const { return core + margin; }
    int pieceSize() const { return core + 2 * margin; }
    int pictureWidth() const { return cellStep() * columns + margin; }
    int pictureHeight() const { return cellStep() * rows + margin; }
    // The pieces fill the rectangle from margin / 2 to picture size - margin / 2; each cell of
    // that grid is cellStep wide and centred on its piece's box.
    int areaLeft() const { return margin / 2; }
    int areaTop() const { return margin / 2; }
    int areaRight() const { return pictureWidth() - margin / 2; }
    int areaBottom() const { return pictureHeight() - margin / 2; }
    // How far a knob may reach across an edge: it stays off the outer pixel of the box.
    int maxKnobDepth() const { return margin / 2 - 1; }
};
