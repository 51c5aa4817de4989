"""The Puzzles window (Ctrl+L) under Wine, used with the keyboard alone: the list view selects
another puzzle and Enter continues it; the puzzle left is kept, so choosing it again brings its
board back as it was, and the next start brings back the puzzle last in play."""

import os
import time

from harness import main
from wine_harness import WineGame, kept_game_folder


def choose(game, keys):
    """Ctrl+L, the selection moved with `keys` in the list of puzzles, then Enter."""
    game.key("ctrl+l")
    dialog = game.find_window("パズル一覧", seconds=20)
    x, y, width, height = game.window_geometry(dialog)
    game.run("xdotool", "mousemove", str(x + width // 2), str(y + height - 3))
    game.pointer = None
    time.sleep(1.0)
    for key in keys + ["Return"]:
        game.run("xdotool", "key", key)
    game.wait_window_gone(dialog, "the Puzzles window")


def settled_board(game, unlike):
    """The board once it differs from `unlike` and has stopped changing."""
    game.wait_for(lambda shot: game.board_rows(shot) != unlike, "another puzzle", seconds=30)
    time.sleep(1.5)
    return game.board_rows(game.screenshot())


def test(exe):
    game = WineGame(exe)
    try:
        game.wait_for_heap()
        first = game.board_rows(game.screenshot())
        choose(game, ["Right"])
        second = settled_board(game, first)
        game.keep_screenshot("library_second")
        choose(game, ["Home"])
        game.wait_for(lambda shot: game.board_rows(shot) == first, "the first puzzle as left")
        game.quit_with_escape()
    finally:
        game.close()
    library = os.path.join(kept_game_folder(), "library")
    for entry in ("series-2", "series-3"):
        assert os.path.exists(os.path.join(library, entry, "game")), os.listdir(library)

    game = WineGame(exe, restore=True)
    try:
        game.wait_for_heap()
        game.wait_for(lambda shot: game.board_rows(shot) == first, "the puzzle last in play")
        choose(game, ["Right"])
        game.wait_for(lambda shot: game.board_rows(shot) == second, "the second puzzle as left")
        game.quit_with_escape()
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
