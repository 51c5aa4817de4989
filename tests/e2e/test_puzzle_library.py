"""The Puzzles window as a player uses it: a puzzle made with Ctrl+N and played a little, then
the first series puzzle chosen with Home and Enter and the made one with End and Enter, each
coming back as it was left, also after a new start; a second made puzzle, the first one
removed with Delete and the question's Yes; in English the window is titled "Puzzles"."""

import os
import subprocess
import time

from file_chooser import wait_gone
from harness import Game, main, region, solid_piece_point, wait_for_board
from kept_board import current_entry, library_folder
from test_picture_puzzle import make_puzzle, save_screen
from test_save_open import board

PUZZLES = "パズル一覧"
PICTURES = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "pictures")
SECOND_PICTURE = os.path.join(PICTURES, "170-night-bridge.jpg")


def settled_board(game, unlike, what):
    """Waits for the board to differ from `unlike` (None: any board) and to stop changing;
    answers it."""
    game.wait_for(lambda s: board(game, s) != unlike, what, 30)
    last = None
    deadline = time.time() + 20
    while time.time() < deadline:
        now = board(game, game.screenshot())
        if now == last:
            return now
        last = now
        time.sleep(0.5)
    raise AssertionError("the board never settled after " + what)


def open_puzzles(game, title=PUZZLES):
    """Ctrl+L; answers the window, which has the keyboard."""
    game.key("ctrl+l")
    window = game.find_window(title)
    focus(game, window)
    return window


def focus(game, window):
    """Gives the window the keyboard as a window manager gives it a new window: its focused
    control moves only in a window that has the focus."""
    x, y, width, height = game.window_geometry(window)
    game.run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2))
    game.pointer = None
    game.run("xdotool", "windowfocus", "--sync", window)
    # The window takes keys once it has drawn itself.
    time.sleep(1)


def choose(game, key, unlike, what):
    """Picks a puzzle in the window with a key and Enter; answers the board it brings."""
    open_puzzles(game)
    game.run("xdotool", "key", key, "Return")
    wait_gone(game, PUZZLES)
    return settled_board(game, unlike, what)


def carry_piece(game):
    """Picks a piece of the heap up, carries it down and right, drops it."""
    shot = game.screenshot()
    x, y = solid_piece_point(game, shot)
    before = region(game, shot, x, y, 20)
    game.click(x, y)
    for step in range(1, 11):
        game.move(x + 20 * step, y + 12 * step)
    game.click(x + 200, y + 120)
    game.wait_for(lambda s: region(game, s, x, y, 20) != before, "the piece carried away")


def titled(game, title):
    """The shown windows of this exact title."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                          env=game.env, capture_output=True, text=True).stdout.split()


def library(game):
    return library_folder(os.path.join(game.env["XDG_DATA_HOME"], "velmora"))


def entries(game):
    return sorted(os.listdir(library(game)))


def again(game):
    """The program started anew on what `game` kept."""
    return Game(game.binary, in_place=True,
                env={"HOME": game.folder, "XDG_DATA_HOME": game.env["XDG_DATA_HOME"]})


def switch_and_come_back(binary):
    """Ctrl+N, a piece carried; the series puzzle and the made one again through the window;
    the made one in play at the next start."""
    game = Game(binary)
    try:
        wait_for_board(game)
        series = settled_board(game, None, "the first puzzle's heap")
        make_puzzle(game)
        fresh = settled_board(game, series, "the made puzzle's heap")
        carry_piece(game)
        made = settled_board(game, fresh, "the carried piece dropped")
        for key, expected, what in (("Home", series, "the series puzzle as it was"),
                                    ("End", made, "the made puzzle as it was")):
            shown = choose(game, key, board(game, game.screenshot()), what)
            assert shown == expected, what
        made_entry = current_entry(library(game))
        assert made_entry.startswith("made-"), made_entry
        game.key("Escape")
        assert game.wait_exit() == 0

        restarted = again(game)
        try:
            wait_for_board(restarted)
            restarted.wait_for(lambda s: board(restarted, s) == made,
                               "the made puzzle in play as it was", 30)
            remove_first_made(restarted, made_entry)
        finally:
            restarted.close()
    finally:
        game.close()


def remove_first_made(game, first):
    """A second puzzle made; the first chosen in the window (the last listed), Delete, Yes:
    its folder is gone and the window stays for more."""
    before = board(game, game.screenshot())
    make_puzzle(game, SECOND_PICTURE)
    settled_board(game, before, "the second made puzzle's heap")
    window = open_puzzles(game)
    game.run("xdotool", "key", "End", "Delete")
    # The question bears the window's title too: a second window of that name.
    deadline = time.time() + 20
    while True:
        question = set(titled(game, PUZZLES)) - {window}
        if question:
            break
        assert time.time() < deadline, "no question about the removal"
        time.sleep(0.2)
    focus(game, question.pop())
    save_screen(game, "library_question.png")
    game.run("xdotool", "key", "alt+y")
    deadline = time.time() + 20
    while first in entries(game):
        assert time.time() < deadline, "the first made puzzle is still kept"
        time.sleep(0.2)
    assert game.window_shown(window), "the window closed with the removal"
    time.sleep(1)
    save_screen(game, "library_window.png")
    kept = [name for name in entries(game) if name.startswith("made-")]
    assert len(kept) == 1 and kept[0] != first, kept
    game.run("xdotool", "key", "Escape")
    wait_gone(game, PUZZLES)
    game.key("Escape")
    assert game.wait_exit() == 0


def english_title(binary):
    game = Game(binary, env={"LANGUAGE": "en"}, beside=["locale"])
    try:
        wait_for_board(game)
        open_puzzles(game, "Puzzles")
        save_screen(game, "library_english.png")
        game.run("xdotool", "key", "Escape")
        wait_gone(game, "^Puzzles$")
    finally:
        game.close()


def test(binary):
    switch_and_come_back(binary)
    english_title(binary)


if __name__ == "__main__":
    main(test)
