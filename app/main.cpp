// The program's entry point: brings the platform up, runs the game, brings it down.
#include "app/lifecycle.h"
#include "platform/startup.h"

int main(int argc, char** argv)
{
    initialisePlatform(argc, argv);
    const int exitCode = runGame();
    shutDownPlatform();
    return exitCode;
}
