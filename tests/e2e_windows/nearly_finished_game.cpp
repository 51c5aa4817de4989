// Writes a play file of the first puzzle with every piece but one in its place, for the
// Windows end-to-end test to finish with the mouse; prints the actions that place the last
// piece, one a line ("right X Y", "press X Y", "move X Y", "release X Y", board coordinates).
// Usage: nearly_finished_game PLAY_FILE
#include <cstdio>
#include <string>
#include <vector>

#include "board/hit_test.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "puzzle/state.h"
#include "savegame/writer.h"
#include "tests/support/puzzle_fixture.h"

namespace {

// Where the finished picture is put together: right of the heap.
constexpr int solvedLeft = 820;
constexpr int solvedTop = 40;

std::vector<std::string> actions;

void act(const char* name, unsigned message, int x, int y)
{
    actions.push_back(std::string(name) + " " + std::to_string(x) + " " + std::to_string(y));
    sendMessage(getMainWindow(), message, 0, makePointParam(x, y));
    headless::pumpMessages();
}

// Turns piece k upright where it lies, then carries it to its place and puts it down there.
bool placePiece(int k)
{
    const int column = k % getColumns();
    const int row = k / getColumns();
    const PieceRect& box = pieceRect(column, row);
    const int x = box.left + getPieceSize() / 2;
    const int y = box.top + getPieceSize() / 2;
    const auto found = findPieceAt(x, y);
    if (!found || found->x != column || found->y != row)
        return false;
    for (int turns = (5 - getPieceRotation(k)) % 4; turns > 0; --turns) {
        act("right", WM_RBUTTONDOWN, x, y);
        sendMessage(getMainWindow(), WM_RBUTTONUP, 0, makePointParam(x, y));
    }
    const int targetX = solvedLeft + column * getCellStep() + x - box.left;
    const int targetY = solvedTop + row * getCellStep() + y - box.top;
    act("press", WM_LBUTTONDOWN, x, y);
    for (int step = 1; step <= 8; ++step)
        act("move", WM_MOUSEMOVE, x + (targetX - x) * step / 8, y + (targetY - y) * step / 8);
    act("release", WM_LBUTTONUP, targetX, targetY);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PLAY_FILE\n", argv[0]);
        return 2;
    }
    startEmbeddedGame(1270, 960);
    // From the top of the heap down, so each piece is uncovered when its turn comes.
    std::vector<int> order;
    for (int level = getPieceCount() - 1; level >= 0; --level)
        order.push_back(zOrderRow(level) * getColumns() + zOrderColumn(level));
    const int last = order.back();
    order.pop_back();
    for (const int k : order)
        if (!placePiece(k)) {
            std::fprintf(stderr, "piece %d is not on top where it lies\n", k);
            return 1;
        }
    const std::vector<std::uint8_t> bytes = playFileBytes();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    actions.clear();
    if (!placePiece(last) || getPuzzleNumber() != 3) {
        std::fprintf(stderr, "the last piece does not finish the puzzle\n");
        return 1;
    }
    for (const std::string& action : actions)
        std::printf("%s\n", action.c_str());
    return 0;
}
