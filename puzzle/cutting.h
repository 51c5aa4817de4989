// Cutting one piece out of the picture into the four rotated sheets and the mask.
#pragma once

// Light and dark outline colours (all three bytes equal).
constexpr int outlineLight = 200;
constexpr int outlineDark = 80;

// Cuts piece (column, row): copies its pixels into the four sheets at their rotated
// positions, clears its silhouette bits in the mask's four strips, and paints the bevelled
// outline. Needs picturePixels, labelPixels, the sheets' and mask's bits and the geometry.
void cutPiece(int column, int row);
