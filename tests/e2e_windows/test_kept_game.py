"""Escape keeps the game in progress in the library in %APPDATA%\\VELMORA (the Wine prefix's user
folder) and the next start brings it back: the board is as it was at the end."""

import os

from harness import main
from wine_harness import WineGame, kept_game_folder


def test(exe):
    game = WineGame(exe)
    try:
        game.wait_for_heap()
        at_end = game.board_rows(game.screenshot())
        game.quit_with_escape()
    finally:
        game.close()
    library = os.path.join(kept_game_folder(), "library")
    assert sorted(os.listdir(library)) == ["current", "series-2"], os.listdir(library)
    assert sorted(os.listdir(os.path.join(library, "series-2"))) == ["game", "info"]

    # A new start (in a new program folder: the kept game is the user's, not the program's).
    game = WineGame(exe, restore=True)
    try:
        game.wait_for_heap()
        game.wait_for(lambda shot: game.board_rows(shot) == at_end, "the kept game", seconds=10)
        game.quit_with_escape()
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
