// Save and open actions of the soak, through the scripted file dialogs: the game saved to the
// soak's folder, opened back, and now and then a damaged copy opened, which must be refused
// with its message and leave the game exactly as it was.
#include <filesystem>
#include <fstream>

#include "app/commands.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "puzzle/state.h"
#include "savegame/layout.h"
#include "soak.h"
#include "tests/support/state_snapshot.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path savedGame() { return soakFolder() / "soak.jps"; }

void openFile(const fs::path& path)
{
    headless::scriptFileChoice(path.string());
    deliver(WM_COMMAND, openCommandId, 0);
}

// The saved game cut short, its columns out of the tables, or a piece turned a fifth way.
Bytes damaged(Bytes file, SoakRandom& random)
{
    switch (draw(random, 0, 2)) {
    case 0:
        file.resize(static_cast<std::size_t>(draw(random, 0, static_cast<int>(file.size()) - 1)));
        break;
    case 1:
        file[playfile::columnsAt] = static_cast<std::uint8_t>(random() % 2 ? 0 : 42);
        break;
    default:
        file[playfile::pieceEntriesAt + 4 * draw(random, 0, getPieceCount() - 1) + 2] =
            static_cast<std::uint8_t>(random() % 2 ? 0 : 5);
        break;
    }
    return file;
}

}  // namespace

void saveGame(SoakRandom&)
{
    headless::scriptFileChoice(savedGame().string());
    deliver(WM_COMMAND, saveCommandId, 0);
    expectMessagesShown(0, "saving the game");
}

void openSavedGame(SoakRandom&)
{
    if (!fs::exists(savedGame()))
        return;
    openFile(savedGame());
    expectMessagesShown(0, "opening the saved game");
}

// Only while nothing is carried: opening puts a carried group down before it reads.
void openDamagedCopy(SoakRandom& random)
{
    Bytes file;
    if (getPieceHeld() != 0 || readWholeFile(savedGame(), file, playfile::maxFileLength) !=
                                   FileReadOutcome::read)
        return;
    const fs::path copy = soakFolder() / "damaged.jps";
    const Bytes bad = damaged(std::move(file), random);
    std::ofstream(copy, std::ios::binary)
        .write(reinterpret_cast<const char*>(bad.data()), static_cast<std::streamsize>(bad.size()));
    const Bytes before = snapshotGameState();
    openFile(copy);
    expectMessagesShown(1, "opening a damaged copy");
    if (snapshotGameState() != before)
        soakFailure("opening a damaged copy changed the game");
}
