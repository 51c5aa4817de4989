// Works out the mouse actions that solve the first puzzle as laid out at a given second, by
// playing them on the headless back end; prints them for the end-to-end test to replay on
// the real program. Usage: velmora_e2e_solver SECONDS CLIENT_WIDTH CLIENT_HEIGHT
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/hit_test.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tests/support/puzzle_fixture.h"

namespace {

// Where the solved picture is put together: clear of the heap at the left.
constexpr int solvedLeft = 820;
constexpr int solvedTop = 40;

std::vector<std::string> actions;

void send(unsigned message, int x, int y)
{
    sendMessage(getMainWindow(), message, 0, makePointParam(x, y));
    headless::pumpMessages();
}

void rightClick(int x, int y)
{
    actions.push_back("right " + std::to_string(x) + " " + std::to_string(y));
    send(WM_RBUTTONDOWN, x, y);
    send(WM_RBUTTONUP, x, y);
}

void leftClick(int x, int y)
{
    actions.push_back("click " + std::to_string(x) + " " + std::to_string(y));
    send(WM_LBUTTONDOWN, x, y);
    send(WM_LBUTTONUP, x, y);
}

void moveTo(int x, int y)
{
    actions.push_back("move " + std::to_string(x) + " " + std::to_string(y));
    send(WM_MOUSEMOVE, x, y);
}

bool topmostAt(int x, int y, int column, int row)
{
    const auto found = findPieceAt(x, y);
    return found && found->x == column && found->y == row;
}

// Turns piece k upright where it lies, carries it to its place in the solved picture and
// drops it there.
bool placePiece(int k)
{
    const int column = k % getColumns();
    const int row = k / getColumns();
    const int size = getPieceSize();
    const int x = pieceRect(column, row).left + size / 2;
    const int y = pieceRect(column, row).top + size / 2;
    if (!topmostAt(x, y, column, row))
        return false;
    for (int turns = (5 - getPieceRotation(k)) % 4; turns > 0; --turns)
        rightClick(x, y);
    if (!topmostAt(x, y, column, row))
        return false;
    leftClick(x, y);
    const int grabX = x - pieceRect(column, row).left;
    const int grabY = y - pieceRect(column, row).top;
    const int targetX = solvedLeft + column * getCellStep() + grabX;
    const int targetY = solvedTop + row * getCellStep() + grabY;
    for (int step = 1; step <= 8; ++step)
        moveTo(x + (targetX - x) * step / 8, y + (targetY - y) * step / 8);
    leftClick(targetX, targetY);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SECONDS CLIENT_WIDTH CLIENT_HEIGHT\n", argv[0]);
        return 2;
    }
    startEmbeddedGame(std::atoi(argv[2]), std::atoi(argv[3]));
    // The layout the program makes at that second.
    headless::setTimeOfDay(std::atoll(argv[1]));
    buildPuzzle();
    headless::pumpMessages();

    // Take the pieces from the top of the heap down, so each is uncovered when its turn comes.
    std::vector<int> order;
    for (int level = getPieceCount() - 1; level >= 0; --level)
        order.push_back(zOrderRow(level) * getColumns() + zOrderColumn(level));
    for (int k : order)
        if (!placePiece(k)) {
            std::fprintf(stderr, "piece %d is not on top where it lies\n", k);
            return 1;
        }
    if (getPuzzleNumber() != 3) {
        std::fprintf(stderr, "the moves did not complete the puzzle\n");
        return 1;
    }
    for (const std::string& action : actions)
        std::printf("%s\n", action.c_str());
    return 0;
}
