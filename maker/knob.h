// Shape of one jigsaw knob: a neck flaring into the edge and a round head, rasterised level
// by level across the edge it sits on.
#pragma once

#include <vector>

// Edge coordinates: "along" runs from the start of the edge, "level" counts pixel rows across
// the edge into the cell the knob reaches into (level 0 touches the edge).
struct KnobShape {
    double neckCentre = 0;      // along the edge
    double neckHalfWidth = 0;   // at the edge, without the flare
    double neckTopHalfWidth = 0;  // where the neck meets the head
    double flareRadius = 0;     // concave rounding where the neck meets the edge
    double headRadius = 0;
    double headCentreDepth = 0;
    double headOffset = 0;      // head centre along the edge, relative to the neck centre
    int firstAlong = 0;         // pixels allowed along the edge: firstAlong <= along < endAlong
    int endAlong = 0;
    int maxLevels = 0;          // levels 0 .. maxLevels - 1 may hold pixels
};

// Pixels [first, end) along the edge; empty when first >= end.
struct KnobSpan {
    int first = 0;
    int end = 0;

    bool empty() const { return first >= end; }
};

// A knob for an edge of edgeLength pixels whose knob may use the pixels firstAlong..endAlong - 1
// along it and reach maxLevels levels across; size and place vary a little with the C runtime
// random generator.
KnobShape randomKnob(int edgeLength, int firstAlong, int endAlong, int maxLevels);

// The knob's pixels level by level, from level 0 up to the last non-empty level. Level 0 holds
// the neck centre and every span overlaps the one below it, so the knob is one 4-connected
// region attached to its edge.
std::vector<KnobSpan> rasteriseKnob(const KnobShape& knob);
