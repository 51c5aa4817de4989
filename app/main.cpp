// The program's entry point: one copy per library, then brings the platform up, runs the game
// and brings it down.
#include "app/lifecycle.h"
#include "platform/dialogs.h"
#include "platform/single_instance.h"
#include "platform/startup.h"

namespace {

constexpr const char* alreadyRunningText =
    "VELMORA はすでに起動していますが、応答がありません。そちらを終了してから、もう一度起動してください";

}  // namespace

int main(int argc, char** argv)
{
    // A second copy on the same library would write over the first one's games: it brings the
    // first copy's window forward instead, before it opens a window of its own.
    const InstanceClaim claim = claimSingleInstance();
    if (claim == InstanceClaim::handedOver)
        return 0;
    initialisePlatform(argc, argv);
    int exitCode = 1;
    if (claim == InstanceClaim::unreachable)
        messageBox(nullptr, alreadyRunningText);
    else
        exitCode = runGame();
    shutDownPlatform();
    return exitCode;
}
