"""Ctrl+N makes a 48-piece puzzle from a picture through the dialog and the file chooser; the
game in progress comes back after Escape and a new start."""

import os
import shutil
import time

from file_chooser import PICTURE_DIALOG, open_picture_chooser, type_into_chooser, wait_gone
from harness import Game, TEAL, main, wait_for_board
from kept_board import current_entry, entry_record, library_folder
from test_save_open import board

PICTURE = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "pictures",
                       "166-paint-brushes.jpg")


def save_screen(game, name):
    """Keeps a screenshot to look at, where VELMORA_SHOTS says (else in the game's folder)."""
    folder = os.environ.get("VELMORA_SHOTS", game.folder)
    game.run("import", "-window", "root", os.path.join(folder, name))


def pieces_area(game, shot):
    """How many board pixels are not the background."""
    left, top = game.to_screen(0, 0)
    right, bottom = game.to_screen(990, 640)
    return shot.count(left, top, right, bottom, lambda p: p != TEAL)


def make_puzzle(game, picture=PICTURE):
    """Ctrl+N on a copy of `picture` in the game's home folder, with the dialog's choices."""
    shutil.copy(picture, os.path.join(game.env["HOME"], "brushes.jpg"))
    dialog = open_picture_chooser(game)
    x, y, width, height = game.window_geometry(dialog)
    type_into_chooser(game, "brushes.jpg")
    time.sleep(1)
    shot = game.screenshot()
    save_screen(game, "dialog.png")
    # The thumbnail is drawn over the empty grey area.
    drawn = shot.count(x + 10, y + 50, x + 180, y + 170, lambda p: p != (0x80, 0x80, 0x80))
    assert drawn > 8000, drawn
    # OK, left of Cancel at the bottom right.
    game.run("xdotool", "mousemove", "--sync", str(x + width - 158), str(y + height - 24),
             "click", "1")
    wait_gone(game, PICTURE_DIALOG)


def test(binary):
    game = Game(binary)
    try:
        first = board(game, wait_for_board(game))
        make_puzzle(game)
        shot = game.wait_for(lambda s: board(game, s) != first, "the made puzzle's heap")
        time.sleep(1)
        shot = game.screenshot()
        save_screen(game, "made.png")
        made = board(game, shot)
        assert pieces_area(game, shot) > 20000
        game.key("Escape")
        assert game.wait_exit() == 0
        library = library_folder(os.path.join(game.folder, "data", "velmora"))
        entry = current_entry(library)
        assert entry.startswith("made-"), entry
        assert entry_record(library, entry).count == 48

        again = Game(binary, env={"HOME": game.folder,
                                  "XDG_DATA_HOME": os.path.join(game.folder, "data")})
        try:
            shot = wait_for_board(again)
            assert board(again, shot) == made, "the kept game did not come back"
            again.key("Escape")
            assert again.wait_exit() == 0
        finally:
            again.close()
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
