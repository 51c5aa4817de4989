// Draws the picture frames of the completion panels: a moulding lit from the top left, with
// mitred corners, in wood, black lacquer or gold.
#include "tools/makeart/panels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/dib_format.h"

namespace {

constexpr int paletteSize = 256;
constexpr std::uint8_t whiteIndex = 255;
constexpr int rowBytes = (panelWidth + 3) & ~3;

struct Rgb {
    double red;
    double green;
    double blue;
};

// Where a pixel lies on the band: its depth from the outer edge (0 outermost), its position
// along its side, and how that side faces the light (1 top and left, -1 bottom and right).
struct BandPoint {
    int depth;
    int along;
    double facing;
};

// The band splits into four sides along the corner diagonals, as mitred mouldings do.
BandPoint bandPoint(int x, int y)
{
    const int fromLeft = x;
    const int fromRight = panelWidth - 1 - x;
    const int fromTop = y;
    const int fromBottom = panelHeight - 1 - y;
    const int depth = std::min({fromLeft, fromRight, fromTop, fromBottom});
    if (depth == fromTop)
        return {depth, x, 1.0};
    if (depth == fromLeft)
        return {depth, y, 0.7};
    if (depth == fromBottom)
        return {depth, x, -1.0};
    return {depth, y, -0.7};
}

// A moulding's cross-section: a bright outer rim, a rounded crown, a dark inner lip.
double mouldingProfile(int depth)
{
    static constexpr double profile[panelBand] = {0.55, 0.85, 0.7, 0.6, 0.7, 0.8,
                                                  0.85, 0.75, 0.6, 0.45, 0.3, 0.2};
    return profile[depth];
}

// Deterministic noise in 0..1 from a pixel position.
double noise(int a, int b)
{
    std::uint32_t h = static_cast<std::uint32_t>(a) * 374761393u + static_cast<std::uint32_t>(b) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// Brightness 0..1 of a band pixel for each material.
double shade(PanelKind kind, const BandPoint& point)
{
    const double light = 0.12 * point.facing;
    switch (kind) {
    case PanelKind::brownWood: {
        // Grain runs along each side: wavy stripes with a little fibre noise.
        const double wave = std::sin(point.along * 0.09 + 2.2 * std::sin(point.along * 0.021 +
                                                                            point.depth * 0.55));
        const double grain = 0.13 * wave + 0.07 * (noise(point.along / 3, point.depth) - 0.5);
        return 0.2 + 0.45 * mouldingProfile(point.depth) + grain + light;
    }
    case PanelKind::blackLacquer:
        // Deep black with a glossy line along the crown and a soft rim.
        return 0.06 + 0.25 * std::pow(mouldingProfile(point.depth), 4.0) +
               (point.depth == 5 ? 0.2 : 0.0) + 0.5 * light;
    case PanelKind::gold: {
        // A bevelled moulding: a bright highlight where the bevel faces the light, and a row
        // of beads along the crown.
        double value = 0.05 + 0.6 * mouldingProfile(point.depth) + 1.3 * light;
        if (point.depth >= 4 && point.depth <= 7) {
            const double bead = std::cos((point.along % 6) * 3.14159 / 3.0);
            value += 0.12 * bead;
        }
        if (point.depth == 1 || point.depth == 6)
            value += 0.15;
        return value;
    }
    case PanelKind::frameMask:
        break;
    }
    return 1.0;
}

Rgb mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
            a.blue + (b.blue - a.blue) * t};
}

// The material's colour at a brightness: dark, middle and light tones joined smoothly.
Rgb materialColour(PanelKind kind, double value)
{
    Rgb dark{0, 0, 0};
    Rgb middle{0, 0, 0};
    Rgb bright{0, 0, 0};
    switch (kind) {
    case PanelKind::brownWood:
        dark = {52, 26, 10};
        middle = {128, 74, 36};
        bright = {200, 140, 84};
        break;
    case PanelKind::blackLacquer:
        dark = {6, 6, 8};
        middle = {34, 34, 40};
        bright = {150, 150, 160};
        break;
    case PanelKind::gold:
        dark = {96, 62, 8};
        middle = {205, 160, 48};
        bright = {255, 244, 180};
        break;
    case PanelKind::frameMask:
        return {255, 255, 255};
    }
    value = std::clamp(value, 0.0, 1.0);
    return value < 0.5 ? mix(dark, middle, value * 2) : mix(middle, bright, value * 2 - 1);
}

}  // namespace

std::vector<std::uint8_t> drawPanel(PanelKind kind)
{
    const std::size_t paletteBytes = 4 * paletteSize;
    const std::size_t imageSize = static_cast<std::size_t>(rowBytes) * panelHeight;
    std::vector<std::uint8_t> dib(bitmapInfoHeaderSize + paletteBytes + imageSize, 0);
    writeInfoHeader(dib.data(), panelWidth, panelHeight, 8, static_cast<std::uint32_t>(imageSize),
                    paletteSize);

    // Entries 0..254 run from the material's darkest to its lightest tone (black to white
    // for the mask), entry 255 is white.
    std::uint8_t* palette = dib.data() + bitmapInfoHeaderSize;
    for (int index = 0; index < paletteSize; ++index) {
        const Rgb colour = index == whiteIndex ? Rgb{255, 255, 255}
                           : kind == PanelKind::frameMask
                               ? Rgb{0, 0, 0}
                               : materialColour(kind, index / 254.0);
        palette[4 * index] = static_cast<std::uint8_t>(std::lround(colour.blue));
        palette[4 * index + 1] = static_cast<std::uint8_t>(std::lround(colour.green));
        palette[4 * index + 2] = static_cast<std::uint8_t>(std::lround(colour.red));
    }

    std::uint8_t* rows = palette + paletteBytes;
    for (int y = 0; y < panelHeight; ++y) {
        std::uint8_t* row = rows + static_cast<std::size_t>(panelHeight - 1 - y) * rowBytes;
        for (int x = 0; x < panelWidth; ++x) {
            const BandPoint point = bandPoint(x, y);
            const bool onBand = point.depth < panelBand;
            if (kind == PanelKind::frameMask) {
                row[x] = onBand ? whiteIndex : 0;
                continue;
            }
            if (!onBand) {
                row[x] = whiteIndex;
                continue;
            }
            const double value = std::clamp(shade(kind, point), 0.0, 1.0);
            row[x] = static_cast<std::uint8_t>(std::lround(value * 254));
        }
    }
    return dib;
}
