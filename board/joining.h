// The drop test: joining the carried group to neighbours that lie where they belong.
#pragma once

enum class JoinOutcome {
    carryOn,          // the puzzle in play is the same; the drop goes on
    puzzleReplaced,   // a join finished the puzzle and the next one has been built
};

// Tests every neighbour of every member of the carried piece a's group, in row order, and
// joins each one that has a's rotation and lies within 10 pixels of its place: the groups
// merge, the carried part snaps to the stationary neighbour, the join sound plays and the
// completion check runs. Stops as soon as the completion flow has built the next puzzle.
JoinOutcome joinNeighbours(int a);

// Whether the group of piece 1 (column 1, row 0) holds every home cell of the puzzle.
bool puzzleComplete();
