"""The first puzzle played to the end with the mouse: congratulation, message, next puzzle.

The layout follows from the second the puzzle is built in, so the program runs at a fixed
time, and a solver works out the moves for that layout on the headless back end."""

import subprocess
import sys
import time

from harness import Game, TEAL, main, not_background, wait_for_board

START = "2026-01-01 00:00:00"
START_SECONDS = 1767225600
SOLVER = sys.argv[2]


def window_named(game, name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=game.env,
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def wait_for_window(game, name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        window = window_named(game, name)
        if window:
            return window
        time.sleep(0.1)
    raise AssertionError("no window named " + name)


def test(binary):
    settings = "[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1280\r\nY2  =1000\r\n"
    # The clock stands still at START for the program, whatever its start-up costs; its
    # monotonic clock runs on, so that the toolkit's timers work.
    game = Game(binary, ini=settings, prefix=["faketime", "-f", START],
                env={"FAKETIME_DONT_FAKE_MONOTONIC": "1"})
    try:
        wait_for_board(game)
        moves = subprocess.run([SOLVER, str(START_SECONDS), "1280", "960"], check=True,
                               capture_output=True, text=True).stdout.splitlines()
        for move in moves:
            action, x, y = move.split()
            if action == "move":
                game.move(int(x), int(y))
            else:
                game.click(int(x), int(y), button=3 if action == "right" else 1)
        # The last join finishes the puzzle: congratulations, then the attached message.
        wait_for_window(game, "^完成$")
        shot = game.screenshot()
        top = game.client_top
        # The finished picture stands whole where it was put together.
        assert shot.count(862, top + 82, 1218, top + 557, lambda p: p == TEAL) == 0
        game.key("Return")
        wait_for_window(game, "^添付メッセージ$")
        game.key("Return")
        # The next puzzle is laid out: the place of the finished one is empty board again.
        game.wait_for(lambda s: s.count(862, top + 82, 1218, top + 557, not_background(TEAL)) == 0
                      and s.count(60, top, 760, top + 490, not_background(TEAL)) > 40000,
                      "the next puzzle")
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
