// Command actions of the soak: start afresh, reverse the drawing order, change the colour
// through the colour dialog (chosen or cancelled).
#include "app/commands.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "soak.h"

void restartPuzzle(SoakRandom&)
{
    deliver(WM_COMMAND, restartCommandId, 0);
}

void reverseOrder(SoakRandom&)
{
    deliver(WM_COMMAND, reverseCommandId, 0);
}

void changeColour(SoakRandom& random)
{
    if (random() % 4 == 0)
        headless::scriptColourChoice(std::nullopt);
    else
        headless::scriptColourChoice(makeColour(draw(random, 0, 255), draw(random, 0, 255),
                                                draw(random, 0, 255)));
    deliver(WM_COMMAND, colourCommandId, 0);
}
