// The program icon: a shaded orange jigsaw piece with two knobs and two sockets.
#include "tools/makeart/jigsaw_icon.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec {
    double x;
    double y;
};

struct Rgba {
    double r, g, b, a;
};

double length(Vec v)
{
    return std::hypot(v.x, v.y);
}

double circleDistance(Vec p, Vec centre, double radius)
{
    return length({p.x - centre.x, p.y - centre.y}) - radius;
}

double roundedBoxDistance(Vec p, Vec low, Vec high, double radius)
{
    const Vec centre{(low.x + high.x) / 2, (low.y + high.y) / 2};
    const Vec half{(high.x - low.x) / 2 - radius, (high.y - low.y) / 2 - radius};
    const Vec q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
    const double outside = length({std::max(q.x, 0.0), std::max(q.y, 0.0)});
    return outside + std::min(std::max(q.x, q.y), 0.0) - radius;
}

// Union and difference with a rounded seam, which gives the knobs their curved necks.
double smoothUnion(double a, double b, double k)
{
    const double h = std::clamp(0.5 + 0.5 * (b - a) / k, 0.0, 1.0);
    return b + (a - b) * h - k * h * (1 - h);
}

double smoothDifference(double from, double cut, double k)
{
    return -smoothUnion(-from, cut, k);
}

// Signed distance to the piece outline in icon units (0..1 across), negative inside.
double pieceDistance(Vec p)
{
    constexpr double neck = 0.04;
    double d = roundedBoxDistance(p, {0.12, 0.24}, {0.76, 0.88}, 0.035);
    d = smoothUnion(d, circleDistance(p, {0.44, 0.17}, 0.1), neck);
    d = smoothUnion(d, circleDistance(p, {0.83, 0.56}, 0.1), neck);
    d = smoothDifference(d, circleDistance(p, {0.19, 0.56}, 0.095), neck);
    d = smoothDifference(d, circleDistance(p, {0.44, 0.81}, 0.095), neck);
    return d;
}

Vec outwardNormal(Vec p)
{
    constexpr double step = 0.002;
    const double dx = pieceDistance({p.x + step, p.y}) - pieceDistance({p.x - step, p.y});
    const double dy = pieceDistance({p.x, p.y + step}) - pieceDistance({p.x, p.y - step});
    const double norm = std::max(std::hypot(dx, dy), 1e-9);
    return {dx / norm, dy / norm};
}

Rgba mix(Rgba a, Rgba b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

// The colour of the piece's surface at `p`, `depth` units inside its edge.
Rgba surfaceColour(Vec p, double depth, double pixel)
{
    const Rgba light{1.00, 0.74, 0.30, 1};  // warm amber, upper left
    const Rgba deep{0.88, 0.36, 0.10, 1};   // burnt orange, lower right
    const Rgba outline{0.36, 0.15, 0.04, 1};
    const Rgba white{1, 0.97, 0.88, 1};
    const Rgba shade{0.50, 0.18, 0.04, 1};

    Rgba colour = mix(light, deep, std::clamp((p.x + p.y - 0.35) / 1.2, 0.0, 1.0));
    // A soft gloss on the upper left of the body.
    const Vec fromGloss{p.x - 0.33, p.y - 0.40};
    const double gloss = std::exp(-(fromGloss.x * fromGloss.x + fromGloss.y * fromGloss.y) / 0.03);
    colour = mix(colour, white, 0.35 * gloss);
    // A bevel lit from the upper left: edges facing the light brighten, the others darken.
    const double bevelWidth = std::max(0.045, 1.2 * pixel);
    if (depth < bevelWidth) {
        const Vec normal = outwardNormal(p);
        const double facing = -(normal.x + normal.y) / std::sqrt(2.0);
        const double strength = 1 - depth / bevelWidth;
        colour = facing > 0 ? mix(colour, white, 0.55 * facing * strength)
                            : mix(colour, shade, -0.6 * facing * strength);
    }
    const double outlineWidth = std::max(0.012, 0.7 * pixel);
    if (depth < outlineWidth)
        colour = outline;
    return colour;
}

// What one sample point shows: the piece, or the piece's soft shadow, or nothing.
Rgba sampleIcon(Vec p, double pixel)
{
    const double distance = pieceDistance(p);
    if (distance < 0)
        return surfaceColour(p, -distance, pixel);
    const double shadowDistance = pieceDistance({p.x - 0.025, p.y - 0.035});
    const double shadow = 0.35 * std::clamp(1 - shadowDistance / 0.04, 0.0, 1.0);
    return {0, 0, 0, shadow};
}

}  // namespace

IconImage drawJigsawIcon(int size)
{
    constexpr int subsamples = 4;  // per axis
    IconImage image{size, size,
                    std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4)};
    const double pixel = 1.0 / size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < subsamples; ++sy) {
                for (int sx = 0; sx < subsamples; ++sx) {
                    const Vec p{(x + (sx + 0.5) / subsamples) * pixel,
                                (y + (sy + 0.5) / subsamples) * pixel};
                    const Rgba s = sampleIcon(p, pixel);
                    sum = {sum.r + s.r * s.a, sum.g + s.g * s.a, sum.b + s.b * s.a, sum.a + s.a};
                }
            }
            std::uint8_t* out = &image.rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            const double alpha = sum.a / (subsamples * subsamples);
            if (sum.a > 0) {
                out[0] = static_cast<std::uint8_t>(std::lround(255 * sum.r / sum.a));
                out[1] = static_cast<std::uint8_t>(std::lround(255 * sum.g / sum.a));
                out[2] = static_cast<std::uint8_t>(std::lround(255 * sum.b / sum.a));
            }
            out[3] = static_cast<std::uint8_t>(std::lround(255 * alpha));
        }
    }
    return image;
}
