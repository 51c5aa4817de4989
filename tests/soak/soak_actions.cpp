// The table of soak actions and their weights.
#include "soak.h"

const std::vector<SoakAction>& soakActions()
{
    static const std::vector<SoakAction> actions = {
        {"move", 200, randomMove},
        {"left press", 60, randomLeftPress},
        {"left release", 50, randomLeftRelease},
        {"right press", 40, randomRightPress},
        {"right release", 30, randomRightRelease},
        {"click far outside", 10, clickFarOutside},
        {"place a piece", 40, placeTopPiece},
        {"restart (F2)", 5, restartPuzzle},
        {"reverse order", 10, reverseOrder},
        {"change colour", 5, changeColour},
        // A play file is megabytes: saving and opening are rare so the run stays short.
        {"save", 1, saveGame},
        {"open the saved game", 1, openSavedGame},
        {"open a damaged copy", 1, openDamagedCopy},
    };
    return actions;
}

int draw(SoakRandom& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}
