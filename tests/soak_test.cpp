// A long random game on the headless back end: random mouse messages and commands, every
// message followed by a check of every invariant of the game, the board compared with a
// fresh paint at checkpoints. VELMORA_SOAK_SEED repeats a run, VELMORA_SOAK_MESSAGES makes
// it longer, VELMORA_SOAK_CHECKPOINT=1 compares the board after every message (slow, to find
// the message that spoilt it).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/commands.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "soak/soak.h"
#include "support/game_invariants.h"
#include "support/made_puzzle.h"
#include "support/puzzle_fixture.h"

namespace {

constexpr int handCursor = 125;

struct SoakRun {
    std::uint32_t seed = 0;
    std::uint64_t messages = 0;
    int completions = 0;
    bool confined = false;  // the pointer is held in the window, as while carrying
    bool failed = false;
    const char* action = "";
    int messageBoxes = 0;                // shown by the last message
    std::map<std::string, int> actions;  // how often each action was chosen
};

SoakRun run;

// The player's answers to what a finished puzzle shows: OK to the congratulation; Escape to
// the attached message, which ignores it, so the back end then presses Enter (its OK button).
// Then the next puzzle is laid out.
void answerCompletionDialogs()
{
    constexpr int idOk = 1;
    constexpr int idCancel = 2;
    headless::scriptDialog(131, {idOk});
    headless::scriptDialog(120, {idCancel});
}

std::filesystem::path folder;

}  // namespace

void soakFailure(const std::string& what)
{
    run.failed = true;
    ADD_FAILURE() << "after message " << run.messages << " of the run with seed " << run.seed
                  << " (" << run.action << "): " << what;
}

void expectMessagesShown(int count, const std::string& doing)
{
    if (!run.failed && run.messageBoxes != count)
        soakFailure(doing + " showed " + std::to_string(run.messageBoxes) +
                    " message boxes, not " + std::to_string(count));
}

const std::filesystem::path& soakFolder()
{
    return folder;
}

namespace {

// pieceHeld is 0 or 1, and 1 exactly while the pointer is confined and shows the hand.
void checkCarrying()
{
    run.messageBoxes = 0;
    for (const std::string& event : headless::events()) {
        run.messageBoxes += event.rfind("messagebox ", 0) == 0;
        if (event.rfind("confine ", 0) == 0)
            run.confined = event != "confine none";
        if (event.ends_with(" stuck"))
            soakFailure(event + ": a dialog did not end on its scripted answers");
        if (event == "dialog 131") {
            ++run.completions;
            answerCompletionDialogs();
        }
    }
    headless::clearEvents();
    const int held = getPieceHeld();
    if (held != 0 && held != 1)
        soakFailure("pieceHeld is " + std::to_string(held));
    else if ((held == 1) != run.confined)
        soakFailure("pieceHeld " + std::to_string(held) + " but the pointer is " +
                    (run.confined ? "confined" : "free"));
    else if (held == 1 && headless::currentCursor() != handCursor)
        soakFailure("carrying without the hand cursor");
}

// The board's pixels within the window's client area: all of the board copy that is kept up to
// date, since whatever comes into view is painted afresh.
std::vector<std::uint32_t> boardCopyInWindow()
{
    const Surface& window = windowSurface();
    const Surface& board = boardSurface();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < std::min(window.height, board.height); ++y)
        for (int x = 0; x < std::min(window.width, board.width); ++x)
            pixels.push_back(pixelAt(board, x, y));
    return pixels;
}

void checkBoardMatchesAFreshPaint()
{
    const std::vector<std::uint32_t> shown = windowSurface().pixels;
    const std::vector<std::uint32_t> copy = boardCopyInWindow();
    paintBoard();
    if (windowSurface().pixels != shown)
        soakFailure("the window differs from a fresh paint");
    else if (boardCopyInWindow() != copy)
        soakFailure("the board copy differs from a fresh paint");
}

std::uint32_t environmentNumber(const char* name, std::uint32_t fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
                                            : fallback;
}

const SoakAction& chooseAction(SoakRandom& random)
{
    const auto& actions = soakActions();
    int total = 0;
    for (const SoakAction& action : actions)
        total += action.weight;
    int pick = draw(random, 0, total - 1);
    for (const SoakAction& action : actions) {
        if (pick < action.weight)
            return action;
        pick -= action.weight;
    }
    return actions.back();
}

// Plays random actions until the message budget is spent or a check fails.
void soak(std::uint64_t messages)
{
    run = SoakRun{};
    run.seed = environmentNumber("VELMORA_SOAK_SEED", std::random_device{}());
    std::printf("soak seed %u (repeat with VELMORA_SOAK_SEED=%u)\n", run.seed, run.seed);
    ::testing::Test::RecordProperty("seed", std::to_string(run.seed));
    SoakRandom random(run.seed);
    // Saved games and the settings file the file commands write go to the run's own folder.
    folder = std::filesystem::temp_directory_path() /
             ("velmora-soak-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    headless::setModulePath((folder / "velmora").string());
    buildSettingsPath();
    // The background start-up composes from the settings.
    setBackgroundColor(composeBackgroundColor());
    paintBoard();
    headless::setTimeOfDay(1700000000 + run.seed % 100000);
    headless::clearEvents();
    answerCompletionDialogs();
    while (run.messages < messages && !run.failed) {
        const SoakAction& action = chooseAction(random);
        run.action = action.name;
        ++run.actions[action.name];
        action.run(random);
    }
    std::filesystem::remove_all(folder);
    std::printf("%llu messages, %d puzzles completed; saves %d, opens %d, damaged opens %d\n",
                static_cast<unsigned long long>(run.messages), run.completions,
                run.actions["save"], run.actions["open the saved game"],
                run.actions["open a damaged copy"]);
}

// A few seconds in the test run, a quarter of that under the sanitizers (which run the game
// several times slower); VELMORA_SOAK_MESSAGES for long runs.
std::uint64_t messageBudget(std::uint32_t fallback)
{
#if defined(__SANITIZE_ADDRESS__)
    fallback /= 4;
#endif
    return environmentNumber("VELMORA_SOAK_MESSAGES", fallback);
}

// Puts pieces in place, undisturbed, until the puzzle in play is finished and the next one
// laid out (a bounded number of messages).
void finishPuzzle()
{
    SoakRandom random(run.seed);
    // Turning about a pointer near the edge can leave a group with its centre off the board,
    // out of a player's reach as well; then the puzzle is laid out afresh (F2) first.
    for (int k = 0; k < getPieceCount(); ++k) {
        const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
        if (box.left + getPieceSize() / 2 < 0 || box.top + getPieceSize() / 2 < 0) {
            deliver(WM_COMMAND, restartCommandId, 0);
            break;
        }
    }
    const int before = run.completions;
    const std::uint64_t limit = run.messages + 5000;
    while (run.completions == before && run.messages < limit && !run.failed) {
        const std::uint64_t sent = run.messages;
        placeTopPiece(random);
        // Every piece left shows nowhere at its centre (hidden under pieces already in place):
        // reversing the drawing order brings it up, and the loop always moves on.
        if (run.messages == sent)
            reverseOrder(random);
    }
}

}  // namespace

void deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (run.failed)
        return;
    sendMessage(getMainWindow(), message, wParam, lParam);
    headless::pumpMessages();
    ++run.messages;
    if (getBuildInProgress() != 0)
        soakFailure("buildInProgress left at 1");
    const std::vector<std::string> faults = puzzleStateFaults();
    if (!faults.empty())
        soakFailure(describeFaults(faults));
    checkCarrying();
    static const std::uint64_t checkpointInterval =
        environmentNumber("VELMORA_SOAK_CHECKPOINT", 2000);
    if (run.messages % checkpointInterval == 0)
        checkBoardMatchesAFreshPaint();
}

TEST(Soak, EmbeddedPuzzles)
{
    startEmbeddedGame(1800, 1000);
    soak(messageBudget(10000));
    finishPuzzle();
    EXPECT_GT(run.completions, 0) << "no puzzle was finished";
}

TEST(Soak, MadeTwentyByFifteenPuzzle)
{
    startEmbeddedGame(1800, 1000);
    headless::overrideResource("JZT", 164,
                               makeMadePuzzle(VELMORA_PICTURE_DIR "/169-ancient-city.jpg", 20,
                                              15, 20, 20));
    buildPuzzle();
    headless::pumpMessages();
    ASSERT_EQ(getPieceCount(), 300);
    soak(messageBudget(3000));
}
