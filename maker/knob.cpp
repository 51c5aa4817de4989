// Shape of one jigsaw knob: a neck flaring into the edge and a round head, rasterised level
// by level across the edge it sits on.
#include "maker/knob.h"

#include <algorithm>
#include <cmath>

#include "platform/system.h"

namespace {

// A random fraction in 0..1 from the C runtime generator.
double randomUnit()
{
    return nextRandom() / 32767.0;
}

// A random value in from..to.
double randomBetween(double from, double to)
{
    return from + (to - from) * randomUnit();
}

// Half width of the neck at a depth: it narrows slightly towards the head and widens into
// the edge along a quarter circle.
double neckHalfWidthAt(const KnobShape& knob, double depth)
{
    const double share = knob.headCentreDepth > 0 ? depth / knob.headCentreDepth : 1.0;
    double halfWidth = knob.neckHalfWidth + (knob.neckTopHalfWidth - knob.neckHalfWidth) * share;
    if (depth < knob.flareRadius) {
        const double rise = knob.flareRadius - depth;
        halfWidth += knob.flareRadius -
                     std::sqrt(knob.flareRadius * knob.flareRadius - rise * rise);
    }
    return halfWidth;
}

// Pixels whose centres lie within [low, high], as a span.
KnobSpan pixelsWithin(double low, double high)
{
    return {static_cast<int>(std::ceil(low - 0.5)), static_cast<int>(std::floor(high - 0.5)) + 1};
}

// The unclipped span at one level: neck and head, which overlap wherever both exist.
KnobSpan rawSpan(const KnobShape& knob, int level)
{
    const double depth = level + 0.5;
    double low = 0;
    double high = -1;
    const bool hasNeck = depth <= knob.headCentreDepth;
    if (hasNeck) {
        const double halfWidth = neckHalfWidthAt(knob, depth);
        low = knob.neckCentre - halfWidth;
        high = knob.neckCentre + halfWidth;
    }
    const double fromHeadCentre = depth - knob.headCentreDepth;
    if (std::abs(fromHeadCentre) <= knob.headRadius) {
        const double halfWidth =
            std::sqrt(knob.headRadius * knob.headRadius - fromHeadCentre * fromHeadCentre);
        const double headCentre = knob.neckCentre + knob.headOffset;
        low = hasNeck ? std::min(low, headCentre - halfWidth) : headCentre - halfWidth;
        high = hasNeck ? std::max(high, headCentre + halfWidth) : headCentre + halfWidth;
    }
    if (low > high)
        return {};
    KnobSpan span = pixelsWithin(low, high);
    if (hasNeck) {
        // A neck thinner than a pixel still keeps its centre pixel.
        const int centrePixel = static_cast<int>(std::floor(knob.neckCentre));
        span.first = std::min(span.first, centrePixel);
        span.end = std::max(span.end, centrePixel + 1);
    }
    return span;
}

}  // namespace

KnobShape randomKnob(int edgeLength, int firstAlong, int endAlong, int maxLevels)
{
    KnobShape knob;
    knob.firstAlong = firstAlong;
    knob.endAlong = endAlong;
    knob.maxLevels = maxLevels;
    const double room = (endAlong - firstAlong) / 2.0;  // half the width the knob may use
    const double depth = maxLevels * randomBetween(0.82, 1.0);
    knob.headRadius = std::min(depth * randomBetween(0.38, 0.44), room * 0.8);
    knob.headCentreDepth = depth - knob.headRadius;
    knob.neckHalfWidth = knob.headRadius * randomBetween(0.52, 0.6);
    knob.neckTopHalfWidth = knob.neckHalfWidth * 0.85;
    knob.flareRadius = knob.headRadius * 0.45;
    knob.headOffset = knob.neckTopHalfWidth * randomBetween(-0.25, 0.25);
    const double reach = std::max(knob.headRadius + std::abs(knob.headOffset),
                                  knob.neckHalfWidth + knob.flareRadius);
    const double shiftRoom = std::max(0.0, std::min(room - reach, edgeLength * 0.06));
    knob.neckCentre = (firstAlong + endAlong) / 2.0 + randomBetween(-shiftRoom, shiftRoom);
    return knob;
}

std::vector<KnobSpan> rasteriseKnob(const KnobShape& knob)
{
    std::vector<KnobSpan> spans;
    for (int level = 0; level < knob.maxLevels; ++level) {
        KnobSpan span = rawSpan(knob, level);
        span.first = std::max(span.first, knob.firstAlong);
        span.end = std::min(span.end, knob.endAlong);
        const bool detached = !spans.empty() && (span.first >= spans.back().end ||
                                                 span.end <= spans.back().first);
        if (span.empty() || detached)
            break;
        spans.push_back(span);
    }
    return spans;
}
