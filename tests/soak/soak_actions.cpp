// The table of soak actions and their weights.
#include "soak.h"

const std::vector<SoakAction>& soakActions()
{
    static const std::vector<SoakAction> actions = {
        {"move", 40, randomMove},
        {"left press", 12, randomLeftPress},
        {"left release", 10, randomLeftRelease},
        {"right press", 8, randomRightPress},
        {"right release", 6, randomRightRelease},
        {"click far outside", 2, clickFarOutside},
        {"place a piece", 8, placeTopPiece},
        {"restart (F2)", 1, restartPuzzle},
        {"reverse order", 2, reverseOrder},
        {"change colour", 1, changeColour},
    };
    return actions;
}

int draw(SoakRandom& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}
