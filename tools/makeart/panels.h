// The completion panels: a picture frame band along the edges of a 320 x 256 bitmap, and the
// mask that marks the band.
#pragma once

#include <cstdint>
#include <vector>

constexpr int panelWidth = 320;
constexpr int panelHeight = 256;
// Width of the frame band along each edge.
constexpr int panelBand = 12;

enum class PanelKind { frameMask, brownWood, blackLacquer, gold };

// The panel as a packed 8-bit DIB (40-byte header, 256-entry colour table, bottom-up rows):
// the band in the frame's colours and white inside; the mask white on the band, black inside.
std::vector<std::uint8_t> drawPanel(PanelKind kind);
