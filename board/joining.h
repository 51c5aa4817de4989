// The drop test: joining the carried group to neighbours that lie where they belong.
#pragma once

enum class DropOutcome {
    puzzleInPlay,    // pieces are still apart
    puzzleFinished,  // a join made one group of every piece
};

// How near (in board pixels) a neighbour must lie to where it belongs to join: 10 board pixels
// at 100 % and above; below, 10 window pixels at the level shown, so that a join asks no finer
// hand zoomed out than at 100 %.
int joinTolerance();

// Tests every neighbour of every member of the carried piece a's group, in row order, and
// joins each one that has a's rotation and lies within joinTolerance of its place: the groups
// merge, the carried part snaps to the stationary neighbour and the join sound plays. Stops at
// the join that finishes the puzzle and says so; what follows is the caller's to run.
DropOutcome joinNeighbours(int a);

// Whether the group of piece 1 (column 1, row 0) holds every home cell of the puzzle.
bool puzzleComplete();
